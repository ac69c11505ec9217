// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/search/search_box.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "app/feedback/field_feedback.h"

namespace zeru::app {
namespace {

// As many hits as fit a glance; more words narrow them.
constexpr std::size_t kMostHits = 40;
constexpr int kHighlightMilliseconds = 1500;
constexpr int kSettingRole = Qt::UserRole;

// A frame over a field that lets every click through.
class FieldHighlight : public QWidget {
public:
    explicit FieldHighlight(QWidget* field) : QWidget(field->parentWidget()) {
        setObjectName(QStringLiteral("FieldHighlight"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setGeometry(field->geometry().adjusted(-3, -3, 3, 3));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2.5));
        painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
    }
};

}  // namespace

SearchBox* installSearchBox(FieldFeedback& fields, const Settings& values, QWidget& pages, QWidget& window) {
    auto* box = new SearchBox(fields, values, pages);
    auto* open = new QAction(&window);
    open->setShortcut(QKeySequence::Find);
    QObject::connect(open, &QAction::triggered, box, &SearchBox::open);
    window.addAction(open);
    return box;
}

void highlightBriefly(QWidget* field) {
    if (field == nullptr || field->parentWidget() == nullptr) return;
    auto* frame = new FieldHighlight(field);
    frame->show();
    frame->raise();
    QTimer::singleShot(kHighlightMilliseconds, frame, &QObject::deleteLater);
}

SearchBox::SearchBox(FieldFeedback& fields, const Settings& values, QWidget& pages)
    : QFrame(&pages), fields_(fields), values_(values), pages_(pages) {
    setObjectName(QStringLiteral("SearchBox"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(4);
    line_ = new QLineEdit(this);
    line_->setObjectName(QStringLiteral("SearchLine"));
    line_->setPlaceholderText(QStringLiteral("Find a setting"));
    line_->setAccessibleName(QStringLiteral("Find a setting"));
    line_->setClearButtonEnabled(true);
    hits_ = new QListWidget(this);
    hits_->setObjectName(QStringLiteral("SearchHits"));
    hits_->setAccessibleName(QStringLiteral("Settings found"));
    hits_->setFocusPolicy(Qt::NoFocus);  // the focus stays in the line; Up and Down move in the list
    column->addWidget(line_);
    column->addWidget(hits_);
    line_->installEventFilter(this);
    connect(line_, &QLineEdit::textChanged, this, &SearchBox::listHits);
    connect(hits_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { goToHit(hits_->row(item)); });
    hide();
}

void SearchBox::open() {
    if (!isVisible()) focusBefore_ = QApplication::focusWidget();
    placeInWindow();
    show();
    raise();
    line_->setFocus(Qt::ShortcutFocusReason);
    line_->selectAll();
    listHits(line_->text());
}

void SearchBox::close() {
    hide();
    if (focusBefore_) focusBefore_->setFocus(Qt::OtherFocusReason);
}

void SearchBox::placeInWindow() {
    const QFontMetrics metrics = fontMetrics();
    const int width = std::min(metrics.averageCharWidth() * 64, pages_.width() - 16);
    // Below the tabs, so that every tab stays in sight.
    int top = 8;
    if (auto* tabs = qobject_cast<QTabWidget*>(&pages_)) top = tabs->tabBar()->geometry().bottom() + 4;
    const int height = std::min(metrics.lineSpacing() * 16, pages_.height() - top - 8);
    resize(width, height);
    move(pages_.width() - width - 8, top);
}

void SearchBox::listHits(const QString& words) {
    hits_->clear();
    const QByteArray typed = words.toUtf8();
    for (const search::Hit& hit :
         search_.find(std::string_view(typed.constData(), static_cast<std::size_t>(typed.size())), values_,
                      kMostHits)) {
        QString text = QString::fromStdString(hit.place);
        if (!hit.value.empty()) text += QStringLiteral("  \u2014  ") + QString::fromStdString(hit.value);
        auto* item = new QListWidgetItem(text, hits_);
        item->setData(kSettingRole, static_cast<int>(indexOf(hit.setting)));
        item->setToolTip(QString::fromStdString(hit.fileKey));
    }
    if (hits_->count() > 0) hits_->setCurrentRow(0);
}

void SearchBox::goToHit(int row) {
    if (row < 0) row = 0;
    QListWidgetItem* item = hits_->item(row);
    if (item == nullptr) return;
    const SettingId setting = settingAt(static_cast<std::size_t>(item->data(kSettingRole).toInt()));
    hide();
    fields_.showSetting(setting, true);
    highlightBriefly(fields_.field(setting));
}

bool SearchBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched != line_ || event->type() != QEvent::KeyPress) return QFrame::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const int row = hits_->currentRow();
    switch (key->key()) {
        case Qt::Key_Escape:
            close();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            goToHit(row);
            return true;
        case Qt::Key_Down:
            if (row + 1 < hits_->count()) hits_->setCurrentRow(row + 1);
            return true;
        case Qt::Key_Up:
            if (row > 0) hits_->setCurrentRow(row - 1);
            return true;
        default:
            return QFrame::eventFilter(watched, event);
    }
}

}  // namespace zeru::app
