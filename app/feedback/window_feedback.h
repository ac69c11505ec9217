// SPDX-License-Identifier: GPL-3.0-or-later
// The window's feedback on its settings: the marks at the fields and tabs,
// the "Changes" button and the "Problems: N" indicator with their windows.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string_view>

#include "app/feedback/changes_window.h"
#include "app/feedback/field_feedback.h"
#include "app/feedback/problems_window.h"

class QPushButton;
class QTabWidget;
class QWidget;

namespace zeru::app {

class WidgetSettings;

class WindowFeedback : public QObject {
    Q_OBJECT
public:
    // `window`: the main window, which owns the buttons and windows made here;
    // `ui` tells the rules' messages after a revert.
    WindowFeedback(WidgetSettings& settings, QTabWidget& pages, QWidget& window, UserInterface& ui);
    ~WindowFeedback() override;

    FieldFeedback& fields() { return fields_; }

    // The buttons for the command row.
    QWidget* buttons() const { return buttons_; }
    QPushButton* changesButton() const { return changesButton_; }
    QPushButton* problemsButton() const { return problemsButton_; }

    // Opens the "Changes" window (made on first use) and returns it.
    ChangesWindow& showChanges();
    // Opens the list of problems (made on first use) and returns it.
    ProblemsWindow& showProblems();
    void setComparisonSources(ComparisonSources sources);

private:
    void updateButtons();

    WidgetSettings& settings_;
    QWidget& window_;
    UserInterface& ui_;
    FieldFeedback fields_;
    QWidget* buttons_ = nullptr;
    QPushButton* changesButton_ = nullptr;
    QPushButton* problemsButton_ = nullptr;
    ChangesWindow* changesWindow_ = nullptr;  // owned by the main window
    ProblemsWindow* problemsWindow_ = nullptr;
    ComparisonSources sources_;
};

}  // namespace zeru::app
