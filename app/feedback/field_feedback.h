// SPDX-License-Identifier: GPL-3.0-or-later
// What the window tells about its fields as they change: every field with a
// problem (a refusal of "Write config" or advice) is marked with its message,
// and so is every field whose value differs from the baseline (the
// configuration last read from the device, loaded from a file, saved to a file
// or written to the device); the tab of every page that holds one shows the
// mark too. The marks follow
// every change of a field, the user's and the program's, once the events of
// the change have run.
#pragma once

#include <QObject>
#include <QTimer>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "app/feedback/field_marks.h"
#include "compare/comparison.h"
#include "problems/problems.h"
#include "settings/settings_model.h"

class QTabWidget;

namespace zeru::app {

class WidgetSettings;

class FieldFeedback : public QObject {
    Q_OBJECT
public:
    // `pages`: the outermost tab control of the settings pages.
    FieldFeedback(WidgetSettings& settings, QTabWidget& pages, QObject* parent = nullptr);

    // The window's settings as they stand become the baseline: the start-up
    // settings, or a configuration read, loaded, saved or written.
    enum class BaselineFrom { StartUp, ReadOrWritten };
    void takeBaseline(BaselineFrom from = BaselineFrom::ReadOrWritten);
    const SettingsModel& baseline() const { return baseline_; }
    // Whether the baseline is a configuration read, loaded, saved or written.
    bool baselineRead() const { return baselineRead_; }

    // The settings that differ from the baseline, in file key order.
    const std::vector<compare::Difference>& changes();
    bool hasUnsavedChanges() { return !changes().empty(); }

    // Every problem of the settings, errors first in the order "Write config"
    // checks them.
    const std::vector<problems::Problem>& problems();

    // Checks the window and compares it with its baseline now, and updates
    // every mark.
    void refresh();

    // The widget of a setting; shows its page and focuses it.
    QWidget* field(SettingId setting) const;
    void showSetting(SettingId setting, bool selectText);

    const FieldMarks& marks() const { return marks_; }

signals:
    // The marks were brought up to date.
    void updated();

private:
    void watchFields();
    void markChanges();
    void markProblems();
    void markTabs();

    WidgetSettings& settings_;
    QTabWidget& pages_;
    SettingsModel baseline_;
    bool baselineRead_ = false;
    FieldMarks marks_;
    QTimer pending_;  // one refresh for a burst of changes (a load sets 226 fields)
    std::vector<compare::Difference> changes_;
    std::unordered_map<QWidget*, QString> changeTexts_;
    std::vector<problems::Problem> problems_;
    std::unordered_map<QWidget*, std::pair<FieldMark, QString>> problemMarks_;
    // The mark each tab shows (-1 for none), per tab control.
    std::unordered_map<QTabWidget*, std::vector<int>> tabMarks_;
};

}  // namespace zeru::app
