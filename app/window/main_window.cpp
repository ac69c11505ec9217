// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/main_window.h"

#include <QCloseEvent>
#include <QDataStream>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTime>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "app/aprs/beacon_strings_window.h"
#include "app/commands/command_row.h"
#include "app/commands/input_dropper.h"
#include "app/feedback/field_resets.h"
#include "app/feedback/window_feedback.h"
#include "app/fields/field_factory.h"
#include "app/fields/form_rules_wiring.h"
#include "app/fields/path_paste.h"
#include "app/fields/widget_settings.h"
#include "app/search/search_box.h"
#include "app/window/page_tree.h"
#include "interaction/command.h"
#include "settings/catalogue.h"

namespace zeru::app {
namespace {

// The client area the window was drawn for; it grows where Debian's default
// font needs more room, so that no label or field is cut.
constexpr QSize kDesignedClientSize(734, 416);

// The log's share of the height: a few lines at least, and all the height the
// pages leave over.
class LogPane : public QPlainTextEdit {
public:
    explicit LogPane(QWidget* parent) : QPlainTextEdit(parent) {}
    QSize sizeHint() const override { return {QPlainTextEdit::sizeHint().width(), linesHeight(4)}; }
    QSize minimumSizeHint() const override {
        return {QPlainTextEdit::minimumSizeHint().width(), linesHeight(2)};
    }

private:
    int linesHeight(int lines) const { return lines * fontMetrics().lineSpacing() + 2 * frameWidth() + 8; }
};

QPlainTextEdit* createLogPane(QWidget* parent) {
    auto* log = new LogPane(parent);
    log->setObjectName(QStringLiteral("Memo1"));
    log->setReadOnly(true);
    // Not a stop of the tab chain; a click still selects text to copy.
    log->setFocusPolicy(Qt::ClickFocus);
    log->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    log->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return log;
}

QProgressBar* createProgressBar(QWidget* parent) {
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(QStringLiteral("ProgressBar1"));
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    bar->setFixedHeight(20);
    return bar;
}

}  // namespace

MainWindow::MainWindow(UserInterface& ui, QWidget* parent) : QWidget(parent), ui_(ui) {
    setObjectName(QStringLiteral("Form1"));

    // The progress bar runs across the full width along the bottom edge; the
    // rest stands in a column with margins of its own.
    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->setSpacing(4);
    auto* column = new QVBoxLayout;
    column->setContentsMargins(6, 4, 6, 0);
    column->setSpacing(4);
    window->addLayout(column, 1);
    auto* commandRow = commandRow_ = new CommandRow(this);
    deviceStatus_ = commandRow->deviceStatus();
    column->addWidget(commandRow);
    // Each page scrolls inside its tab where the window is smaller than the
    // page; the log below takes the height the pages leave, and the line
    // between them can be dragged.
    pageTree_ = createPageTree(this, pageButtons_);
    log_ = createLogPane(this);
    splitter_ = new QSplitter(Qt::Vertical, this);
    splitter_->setObjectName(QStringLiteral("Splitter_log"));
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(pageTree_);
    splitter_->addWidget(log_);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    column->addWidget(splitter_, 1);
    progress_ = createProgressBar(this);
    window->addWidget(progress_);

    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i] = commandRow->button(static_cast<CommandButton>(i));
        connect(buttons_[i], &QPushButton::clicked, this,
                [this, i] { runButtonCommand(static_cast<CommandButton>(i)); });
    }
    connect(pageButtons_.specialStrings, &QPushButton::clicked, this, [this] {
        if (specialStrings_) specialStrings_->showModally();
    });

    QMenu* recent = commandRow->recentFilesMenu();
    connect(recent, &QMenu::aboutToShow, this, [this, recent] { fillRecentFilesMenu(*recent); });
    setAcceptDrops(true);

    settings_ = std::make_unique<WidgetSettings>(*this);
    connectFormRules(pageButtons_, *settings_, ui_);
    installPathPaste(*settings_, this);
    feedback_ = new WindowFeedback(*settings_, *pageTree_, *this, ui_);
    commandRow->addTool(feedback_->buttons());
    connect(&feedback_->fields(), &FieldFeedback::updated, this, &MainWindow::updateTitle);
    // Ctrl+F finds a setting; each field's menu and two shortcuts set it back.
    installSearchBox(feedback_->fields(), *settings_, *pageTree_, *this);
    new FieldResets(*settings_, feedback_->fields(), ui_, *this);

    setWindowTitle(caption());
    if (QScreen* s = screen()) fitToScreen(s->availableGeometry().size());
}

MainWindow::~MainWindow() = default;

QString MainWindow::caption() { return latin1(kApplicationTitle) + QLatin1Char(' ') + latin1(kVersionLabel); }

Settings& MainWindow::settings() { return *settings_; }

void MainWindow::setCommand(CommandButton button, std::function<void()> command) {
    commands_[static_cast<std::size_t>(button)] = std::move(command);
}

QPushButton* MainWindow::commandButton(CommandButton button) const {
    return buttons_[static_cast<std::size_t>(button)];
}

InterfaceWidgets MainWindow::interfaceWidgets() {
    // The busy state greys the five commands that talk to the device or files.
    return {this, log_, progress_, {buttons_[0], buttons_[1], buttons_[2], buttons_[3], buttons_[4]}};
}

void MainWindow::setSpecialStringsWindow(BeaconStringsWindow* window) { specialStrings_ = window; }

void MainWindow::runButtonCommand(CommandButton button) {
    const auto& command = commands_[static_cast<std::size_t>(button)];
    if (!command) return;
    logCommandStart(commandButton(button)->text());
    runAsCommand(command);
}

void MainWindow::runAsCommand(const std::function<void()>& command) {
    InputDropper dropper(*this);
    const QScopedValueRollback<bool> running(commandRunning_, true);
    runCommand(ui_, command);
}

void MainWindow::logCommandStart(QString caption) {
    caption.remove(QLatin1Char('&'));
    const QString dash(QChar(0x2014));
    log_->appendPlainText(dash + QLatin1Char(' ') + caption + QStringLiteral(", ") +
                          QTime::currentTime().toString(QStringLiteral("HH:mm:ss")) + QLatin1Char(' ') +
                          dash);
}

WindowFeedback& MainWindow::feedback() { return *feedback_; }

void MainWindow::closeEvent(QCloseEvent* event) {
    if (mayClose_ && !mayClose_()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

QSize MainWindow::naturalSize() {
    // Every page whole (see PageScroller), the log at its four lines, and at
    // least the size the window was drawn at.
    return sizeHint().expandedTo(kDesignedClientSize);
}

void MainWindow::fitToScreen(const QSize& available) {
    QSize size = naturalSize().boundedTo(available);
    // Narrower than its natural size, the command row may take a second line.
    const int rowGrows = commandRow_->heightForWidth(size.width() - 12) - commandRow_->sizeHint().height();
    if (rowGrows > 0) size.setHeight(std::min(size.height() + rowGrows, available.height()));
    resize(size);
    layout()->activate();
    // The pages take their whole height; the log what is left.
    const int pages = pageTree_->sizeHint().height();
    splitter_->setSizes({pages, std::max(1, splitter_->height() - pages - splitter_->handleWidth())});
}

void MainWindow::centreOnScreen() {
    if (layoutRestored_) return;  // where and how large the user left it
    if (QScreen* s = screen()) {
        // The title bar and borders are known once the window is shown.
        const QMargins border = windowHandle() ? windowHandle()->frameMargins() : QMargins();
        fitToScreen(s->availableGeometry().marginsRemoved(border).size());
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
}

QByteArray MainWindow::saveLayout() const {
    QByteArray layout;
    QDataStream out(&layout, QIODevice::WriteOnly);
    out << saveGeometry() << splitter_->saveState();
    return layout;
}

bool MainWindow::restoreLayout(const QByteArray& layout) {
    if (layout.isEmpty()) return false;
    QDataStream in(layout);
    QByteArray geometry;
    QByteArray splitter;
    in >> geometry >> splitter;
    if (in.status() != QDataStream::Ok || !restoreGeometry(geometry)) return false;
    splitter_->restoreState(splitter);
    layoutRestored_ = true;
    return true;
}

}  // namespace zeru::app
