// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/field_marks.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>

namespace zeru::app {

// A mark drawn over a corner of its field, in the field's parent so that it
// may reach a little past the field's frame.
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

// The side of a mark: about half a line of the field's font, at least 8.
int markSide(const QWidget* field) { return std::max(8, field->fontMetrics().height() * 3 / 5); }

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

FieldMarks::Marks& FieldMarks::marksOf(QWidget* field) {
    auto it = marks_.find(field);
    if (it == marks_.end()) {
        it = marks_.insert(field, Marks{field->toolTip(), {}, {}, {}, {}});
        field->installEventFilter(this);
        connect(field, &QObject::destroyed, this, [this, field] { marks_.remove(field); });
    }
    return it.value();
}

void FieldMarks::setProblem(QWidget* field, std::optional<FieldMark> mark, const QString& message) {
    if (!mark && !marks_.contains(field)) return;
    Marks& m = marksOf(field);
    if (mark) {
        if (!m.problem) m.problem = new MarkBadge(*mark, field->parentWidget());
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
        if (!m.change) m.change = new MarkBadge(FieldMark::Change, field->parentWidget());
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
    const QRect frame = field->geometry();
    // Half over the field's corner, half beside it.
    const QPoint topRight(frame.right() - side / 2, frame.top() - side / 3);
    const QPoint topLeft(frame.left() - side / 2, frame.top() - side / 3);
    const bool shown = field->isVisibleTo(field->parentWidget());
    for (auto [badge, at] : {std::pair{m.problem.data(), topRight}, std::pair{m.change.data(), topLeft}}) {
        if (!badge) continue;
        badge->setGeometry(QRect(at, QSize(side, side)));
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
            auto* field = static_cast<QWidget*>(watched);
            auto it = marks_.find(field);
            if (it != marks_.end()) place(field, it.value());
            break;
        }
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zeru::app
