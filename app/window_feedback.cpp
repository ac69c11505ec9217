// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_feedback.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "app/field_factory.h"
#include "app/mark_icons.h"
#include "app/widget_settings.h"

namespace zeru::app {

WindowFeedback::WindowFeedback(WidgetSettings& settings, QTabWidget& pages, QWidget& window)
    : QObject(&window), settings_(settings), window_(window), fields_(settings, pages, this) {
    buttons_ = new QWidget(&window);
    buttons_->setObjectName(QStringLiteral("Feedback_buttons"));
    // Level with the command buttons, below the groups' titles.
    auto* row = new QHBoxLayout(buttons_);
    row->setContentsMargins(0, 0, 0, 4);
    row->setSpacing(4);
    changesButton_ =
        createButton(QStringLiteral("C&hanges"), QStringLiteral("Button_changes"),
                     QStringLiteral("Lists the settings changed since the configuration was last "
                                    "read, loaded, saved or written."),
                     buttons_);
    row->addWidget(changesButton_, 0, Qt::AlignBottom);

    connect(changesButton_, &QPushButton::clicked, this, [this] { showChanges(); });
    connect(&fields_, &FieldFeedback::updated, this, &WindowFeedback::updateButtons);
    updateButtons();
}

WindowFeedback::~WindowFeedback() = default;

void WindowFeedback::setComparisonSources(ComparisonSources sources) {
    sources_ = std::move(sources);
    if (changesWindow_) changesWindow_->setSources(sources_);
}

ChangesWindow& WindowFeedback::showChanges() {
    if (!changesWindow_) {
        changesWindow_ = new ChangesWindow(fields_, settings_, &window_);
        changesWindow_->setSources(sources_);
    }
    changesWindow_->compareWith(ChangesWindow::Reference::Baseline);
    changesWindow_->show();
    changesWindow_->raise();
    changesWindow_->activateWindow();
    return *changesWindow_;
}

void WindowFeedback::updateButtons() {
    const bool changed = !fields_.changes().empty();
    changesButton_->setIcon(changed ? markIcon(FieldMark::Change) : QIcon());
}

}  // namespace zeru::app
