// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/feedback/field_marks.h"

#include <QEvent>
#include <QPainter>
#include <QTabWidget>
#include <QWidget>
#include <algorithm>

#include "app/widgets/page_locator.h"
#include "app/widgets/page_scroller.h"

namespace zeru::app {

// A mark drawn over a corner of its field, in the page that holds the field so
// that it may reach a little past the field's frame (and past the little
// container of an address entry).
class MarkBadge : public QWidget {
public:
    MarkBadge(FieldMark mark, QWidget* parent) : QWidget(parent), mark_(mark) { setFocusPolicy(Qt::NoFocus); }
    FieldMark mark() const { return mark_; }
    void setMark(FieldMark mark) {
        if (mark_ != mark) {
            mark_ = mark;
            update();
        }
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paintMark(painter, QRectF(rect()), mark_);
    }

private:
    FieldMark mark_;
};

namespace {

// The side of a mark: nearly a line of the field's font, at least 12.
int markSide(const QWidget* field) { return std::max(12, field->fontMetrics().height() * 9 / 10); }

QString tooltipOf(const QString& help, const QString& problem, const QString& change) {
    QStringList parts;
    for (const QString& part : {help, problem, change})
        if (!part.isEmpty()) parts.append(part);
    return parts.join(QStringLiteral("\n\n"));
}

}  // namespace

FieldMarks::FieldMarks(QObject* parent) : QObject(parent) {}

FieldMarks::~FieldMarks() {
    for (auto it = marks_.begin(); it != marks_.end(); ++it) {
        delete it.value().problem;
        delete it.value().change;
    }
}

namespace {

// The page the marks of `field` are drawn in: the tab page that holds it.
QWidget* pageOf(QWidget* field) {
    const auto tabs = tabsHolding(field);
    return tabs.empty() ? field->parentWidget() : pageAt(*tabs.front().first, tabs.front().second);
}

}  // namespace

FieldMarks::Marks& FieldMarks::marksOf(QWidget* field) {
    auto it = marks_.find(field);
    if (it == marks_.end()) {
        it = marks_.insert(field, Marks{field->toolTip(), pageOf(field), {}, {}, {}, {}});
        // Any move of the field, of its container or of its page moves the marks.
        for (QWidget* w = field; w && w != it->page->parentWidget(); w = w->parentWidget())
            w->installEventFilter(this);
        connect(field, &QObject::destroyed, this, [this, field] { marks_.remove(field); });
    }
    return it.value();
}

void FieldMarks::setProblem(QWidget* field, std::optional<FieldMark> mark, const QString& message) {
    if (!mark && !marks_.contains(field)) return;
    Marks& m = marksOf(field);
    if (mark) {
        if (!m.problem) m.problem = new MarkBadge(*mark, m.page);
        m.problem->setMark(*mark);
        m.problemText = message;
    } else {
        delete m.problem;
        m.problemText.clear();
    }
    update(field, m);
}

void FieldMarks::setChange(QWidget* field, const QString& explanation) {
    if (explanation.isEmpty() && !marks_.contains(field)) return;
    Marks& m = marksOf(field);
    if (!explanation.isEmpty()) {
        if (!m.change) m.change = new MarkBadge(FieldMark::Change, m.page);
    } else {
        delete m.change;
    }
    m.changeText = explanation;
    update(field, m);
}

std::optional<FieldMark> FieldMarks::problemOf(QWidget* field) const {
    auto it = marks_.find(field);
    if (it == marks_.end() || !it->problem) return std::nullopt;
    return it->problem->mark();
}

bool FieldMarks::isChanged(QWidget* field) const {
    auto it = marks_.find(field);
    return it != marks_.end() && it->change;
}

void FieldMarks::update(QWidget* field, Marks& m) {
    const QString tooltip = tooltipOf(m.help, m.problemText, m.changeText);
    field->setToolTip(tooltip);
    for (MarkBadge* badge : {m.problem.data(), m.change.data()})
        if (badge) badge->setToolTip(tooltip);
    place(field, m);
}

void FieldMarks::place(QWidget* field, const Marks& m) {
    const int side = markSide(field);
    const QRect frame(field->mapTo(m.page, QPoint(0, 0)), field->size());
    // Centred on the field's corner: over its frame, not over its text.
    const QPoint topRight(frame.right() + 1 - side / 2, frame.top() - side / 2);
    const QPoint topLeft(frame.left() - side / 2, frame.top() - side / 2);
    const bool shown = field->isVisibleTo(m.page);
    for (auto [badge, at] : {std::pair{m.problem.data(), topRight}, std::pair{m.change.data(), topLeft}}) {
        if (!badge) continue;
        // Kept whole inside the page (a field in the top row sits close to its edge).
        const QPoint inside(std::clamp(at.x(), 0, std::max(0, m.page->width() - side)),
                            std::clamp(at.y(), 0, std::max(0, m.page->height() - side)));
        badge->setGeometry(QRect(inside, QSize(side, side)));
        badge->setVisible(shown);
        badge->raise();
    }
}

bool FieldMarks::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::FontChange: {
            // Few fields are marked at a time: looking at them all is cheap.
            auto* moved = static_cast<QWidget*>(watched);
            for (auto it = marks_.begin(); it != marks_.end(); ++it)
                if (it.key() == moved || moved->isAncestorOf(it.key())) place(it.key(), it.value());
            break;
        }
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zeru::app
