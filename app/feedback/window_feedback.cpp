// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/feedback/window_feedback.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "app/feedback/mark_icons.h"
#include "app/fields/field_factory.h"
#include "app/fields/widget_settings.h"
#include "app/widgets/place_beside.h"

namespace zeru::app {

WindowFeedback::WindowFeedback(WidgetSettings& settings, QTabWidget& pages, QWidget& window,
                               UserInterface& ui)
    : QObject(&window), settings_(settings), window_(window), ui_(ui), fields_(settings, pages, this) {
    buttons_ = new QWidget(&window);
    buttons_->setObjectName(QStringLiteral("Feedback_buttons"));
    // One above the other: the command row stays narrow enough for small
    // screens, where the pages scroll but the row cannot.
    auto* row = new QVBoxLayout(buttons_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    changesButton_ =
        createButton(QStringLiteral("C&hanges"), QStringLiteral("Button_changes"),
                     QStringLiteral("Lists the settings changed since the configuration was last "
                                    "read, loaded, saved or written."),
                     buttons_);
    problemsButton_ =
        createButton(QStringLiteral("Problems: 0"), QStringLiteral("Button_problems"),
                     QStringLiteral("Lists what \"Write config\" would refuse and advice on the "
                                    "settings; a line shows its field."),
                     buttons_);
    // Wide enough for three digits and the mark, so that the row never moves.
    problemsButton_->setText(QStringLiteral("Problems: 888"));
    problemsButton_->setIcon(markIcon(FieldMark::Error));
    problemsButton_->setMinimumWidth(problemsButton_->sizeHint().width());
    changesButton_->setIcon(markIcon(FieldMark::Change));
    for (QPushButton* b : {changesButton_, problemsButton_}) {
        b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        row->addWidget(b);
    }

    connect(changesButton_, &QPushButton::clicked, this, [this] { showChanges(); });
    connect(problemsButton_, &QPushButton::clicked, this, [this] { showProblems(); });
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
        changesWindow_ = new ChangesWindow(fields_, settings_, ui_, &window_);
        changesWindow_->setSources(sources_);
    }
    changesWindow_->compareWith(ChangesWindow::Reference::Baseline);
    if (!changesWindow_->isVisible()) placeBeside(*changesWindow_, window_);
    changesWindow_->show();
    changesWindow_->raise();
    changesWindow_->activateWindow();
    return *changesWindow_;
}

ProblemsWindow& WindowFeedback::showProblems() {
    if (!problemsWindow_) problemsWindow_ = new ProblemsWindow(fields_, &window_);
    if (!problemsWindow_->isVisible()) placeBeside(*problemsWindow_, window_);
    problemsWindow_->show();
    problemsWindow_->raise();
    problemsWindow_->activateWindow();
    return *problemsWindow_;
}

void WindowFeedback::updateButtons() {
    const bool changed = !fields_.changes().empty();
    changesButton_->setIcon(changed ? markIcon(FieldMark::Change) : QIcon());
    const auto& problems = fields_.problems();
    problemsButton_->setText(QStringLiteral("Problems: %1").arg(problems.size()));
    // The worst problem's mark; errors come first in the list.
    problemsButton_->setIcon(problems.empty() ? QIcon()
                             : problems.front().severity == problems::Severity::Error
                                 ? markIcon(FieldMark::Error)
                                 : markIcon(FieldMark::Warning));
}

}  // namespace zeru::app
