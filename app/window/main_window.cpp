// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/main_window.h"

#include <QCloseEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "app/aprs/beacon_strings_window.h"
#include "app/commands/command_row.h"
#include "app/commands/input_dropper.h"
#include "app/feedback/window_feedback.h"
#include "app/fields/field_factory.h"
#include "app/fields/form_rules_wiring.h"
#include "app/fields/widget_settings.h"
#include "app/window/page_tree.h"
#include "interaction/command.h"
#include "settings/catalogue.h"

namespace zeru::app {
namespace {

// The client area the window was drawn for; it grows where Debian's default
// font needs more room, so that no label or field is cut.
constexpr QSize kDesignedClientSize(734, 416);

QPlainTextEdit* createLogPane(QWidget* parent) {
    auto* log = new QPlainTextEdit(parent);
    log->setObjectName(QStringLiteral("Memo1"));
    log->setReadOnly(true);
    // Not a stop of the tab chain; a click still selects text to copy.
    log->setFocusPolicy(Qt::ClickFocus);
    log->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // At least as tall as it was drawn, and four lines in large fonts.
    log->setFixedHeight(std::max(73, 4 * log->fontMetrics().lineSpacing() + 2 * log->frameWidth() + 8));
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

TForm1::TForm1(UserInterface& ui, QWidget* parent) : QWidget(parent), ui_(ui) {
    setObjectName(QStringLiteral("Form1"));
    // Fixed frame: title, system menu, minimise and close, no maximise.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    // The progress bar runs across the full width along the bottom edge; the
    // rest stands in a column with margins of its own.
    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->setSpacing(4);
    auto* column = column_ = new QVBoxLayout;
    column->setContentsMargins(6, 4, 6, 0);
    column->setSpacing(4);
    window->addLayout(column, 1);
    auto* commandRow = new CommandRow(this);
    deviceStatus_ = commandRow->deviceStatus();
    column->addWidget(commandRow);
    // The pages scroll only where the screen is too small for the whole window.
    pageTree_ = createPageTree(this, pageButtons_);
    pageScroller_ = new QScrollArea(this);
    pageScroller_->setObjectName(QStringLiteral("ScrollBox_pages"));
    pageScroller_->setFrameShape(QFrame::NoFrame);
    pageScroller_->setWidgetResizable(true);
    pageScroller_->setWidget(pageTree_);
    column->addWidget(pageScroller_, 1);
    log_ = createLogPane(this);
    column->addWidget(log_);
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
    feedback_ = new WindowFeedback(*settings_, *pageTree_, *this);
    commandRow->addTool(feedback_->buttons());

    setWindowTitle(caption());
    if (QScreen* s = screen()) fitToScreen(s->availableGeometry().size());
}

TForm1::~TForm1() = default;

QString TForm1::caption() { return latin1(kApplicationTitle) + QLatin1Char(' ') + latin1(kVersionLabel); }

Settings& TForm1::settings() { return *settings_; }

void TForm1::setCommand(CommandButton button, std::function<void()> command) {
    commands_[static_cast<std::size_t>(button)] = std::move(command);
}

QPushButton* TForm1::commandButton(CommandButton button) const {
    return buttons_[static_cast<std::size_t>(button)];
}

InterfaceWidgets TForm1::interfaceWidgets() {
    // The busy state greys the five commands that talk to the device or files.
    return {this, log_, progress_, {buttons_[0], buttons_[1], buttons_[2], buttons_[3], buttons_[4]}};
}

void TForm1::setSpecialStringsWindow(TForm2* window) { specialStrings_ = window; }

void TForm1::runButtonCommand(CommandButton button) {
    const auto& command = commands_[static_cast<std::size_t>(button)];
    if (!command) return;
    InputDropper dropper(*this);
    const QScopedValueRollback<bool> running(commandRunning_, true);
    runCommand(ui_, command);
}

WindowFeedback& TForm1::feedback() { return *feedback_; }

void TForm1::closeEvent(QCloseEvent* event) {
    if (mayClose_ && !mayClose_()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

QSize TForm1::naturalSize() {
    // The column is a nested layout: it keeps its sizes until told they changed.
    pageScroller_->setMinimumSize(pageTree_->minimumSizeHint());
    column_->invalidate();
    const QSize natural = minimumSizeHint().expandedTo(kDesignedClientSize);
    pageScroller_->setMinimumSize(0, 0);
    column_->invalidate();
    return natural;
}

void TForm1::fitToScreen(const QSize& available) {
    const QSize natural = naturalSize();
    const bool fits = natural.width() <= available.width() && natural.height() <= available.height();
    setFixedSize(fits ? natural : natural.boundedTo(available));
}

void TForm1::centreOnScreen() {
    if (QScreen* s = screen()) {
        // The title bar and borders are known once the window is shown.
        const QMargins border = windowHandle() ? windowHandle()->frameMargins() : QMargins();
        fitToScreen(s->availableGeometry().marginsRemoved(border).size());
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
}

}  // namespace zeru::app
