// SPDX-License-Identifier: GPL-3.0-or-later
// The window's feedback on its settings: the marks at the fields and tabs,
// the "Changes" button with its window, and the question before closing over
// changes that were neither saved nor written.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string_view>

#include "app/changes_window.h"
#include "app/field_feedback.h"

class QPushButton;
class QTabWidget;
class QWidget;

namespace zeru::app {

class WidgetSettings;

class WindowFeedback : public QObject {
    Q_OBJECT
public:
    // `window`: the main window, which owns the buttons and windows made here.
    WindowFeedback(WidgetSettings& settings, QTabWidget& pages, QWidget& window);
    ~WindowFeedback() override;

    FieldFeedback& fields() { return fields_; }

    // The buttons for the command row.
    QWidget* buttons() const { return buttons_; }
    QPushButton* changesButton() const { return changesButton_; }

    // Opens the "Changes" window (made on first use) and returns it.
    ChangesWindow& showChanges();
    void setComparisonSources(ComparisonSources sources);

private:
    void updateButtons();

    WidgetSettings& settings_;
    QWidget& window_;
    FieldFeedback fields_;
    QWidget* buttons_ = nullptr;
    QPushButton* changesButton_ = nullptr;
    ChangesWindow* changesWindow_ = nullptr;  // owned by the main window
    ComparisonSources sources_;
};

}  // namespace zeru::app
