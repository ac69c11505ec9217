// SPDX-License-Identifier: GPL-3.0-or-later
// One editing session, the same for the window, the page and zeru-cli: the
// settings being edited, the configuration they are compared with (the last
// one read, loaded, saved or written: the baseline; or the defaults, a file,
// the device), the pending changes and problems, the undo history of every
// change, and the policy around the commands (the questions asked before
// them, the baseline taken after a success). The front ends only show it.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "compare/comparison.h"
#include "device/device_flows.h"
#include "interaction/user_interface.h"
#include "problems/problems.h"
#include "session/history.h"
#include "settings/result.h"
#include "settings/settings_model.h"

namespace zeru::session {

// A setting's new value, as a template or a shared configuration gives it.
struct Assignment {
    SettingId id{};
    SettingValue value;  // the text of a text setting, the index of a choice
};

// The names of the steps the session records itself.
inline constexpr std::string_view kReadConfigStep = "Read config";
inline constexpr std::string_view kReadFromFileStep = "Read from file";
inline constexpr std::string_view kRestoreBackupStep = "Restore backup";
inline constexpr std::string_view kDefaultParametersStep = "Default parameters";
inline constexpr std::string_view kUnrecordedEditStep = "Edit";
// "Revert 1 setting", "Revert 3 settings".
std::string revertStepName(std::size_t count);

class EditingSession {
public:
    // `settings` as they stand are the baseline and the history's start.
    // `ui` tells the rules' messages and asks the questions.
    EditingSession(Settings& settings, UserInterface& ui);
    EditingSession(const EditingSession&) = delete;
    EditingSession& operator=(const EditingSession&) = delete;

    Settings& settings() { return settings_; }
    const Settings& settings() const { return settings_; }
    UserInterface& ui() { return ui_; }
    History& history() { return history_; }
    const History& history() const { return history_; }

    // The settings as they stand become the baseline (and the history's
    // snapshot, with no step: for the start-up sequence).
    void startOver();
    // The settings as they stand become the baseline; the history keeps every step.
    void takeBaseline();
    const SettingsModel& baseline() const { return baseline_; }
    // The settings that differ from the baseline, in file key order.
    std::vector<compare::Difference> changes() const {
        return compare::compareSettings(baseline_, settings_);
    }
    bool hasUnsavedChanges() const { return !changes().empty(); }
    std::vector<problems::Problem> problems() const { return problems::findProblems(settings_); }

    // What the "Changes" list compares with.
    enum class Reference { Baseline, Defaults, File, Device };
    Reference reference() const { return reference_; }
    const Settings& referenceSettings() const;
    void compareWithBaseline() { reference_ = Reference::Baseline; }
    void compareWithDefaults();
    // A file's or the device's configuration, read by the front end.
    void compareWith(Reference reference, const Settings& other);
    // The differences from the reference, in file key order; against the
    // device, the settings as the device would hold them once written.
    std::vector<compare::Difference> comparison() const;

    // Changes made on the user's behalf, each one step of the history.
    // A user's edit of `cause` (a field left, a choice picked and its rules
    // settled): "Edit <its spoken name>". False when nothing changed.
    bool recordUserEdit(SettingId cause) { return history_.record(editStepName(cause)); }
    // Whatever changed since the last step, under `name`.
    bool recordStep(std::string_view name) { return history_.record(name); }
    // A user's pick in a list, its rules settled, as one step.
    void chooseEntry(SettingId id, int index);
    // "Default parameters" of an analog (1..5) or digital (1..8) channel.
    void defaultParameters(bool analog, int channel);
    // Sets every assigned setting in order, each followed by its rules
    // (rules::settle, their messages shown), and records all of it as one
    // step named `name` (a template's, a shared configuration's). False
    // when nothing changed.
    bool applyAssignments(std::string_view name, std::span<const Assignment> assignments);
    // Puts the settings of `differences` back to the reference's values, each
    // with its rules: one step, "Revert N settings". False when nothing changed.
    bool revert(std::span<const compare::Difference> differences);
    // Undo and redo of the history; the step, or nullptr when none.
    const Step* undo() { return history_.undo(); }
    const Step* redo() { return history_.redo(); }

    // The commands. Each records an edit not yet recorded before it runs, and
    // what it changed as one step after.
    //
    // Whether a file, a backup or the device may replace the settings: asked
    // when there are unsaved changes; `save` saves them.
    bool mayReplaceSettings(const std::function<bool()>& save);
    // "Read config": the step "Read config"; the baseline when the settings were read.
    ReadOutcome readConfig(DeviceFlows& device);
    // "Write config": the emergency question when the settings send one
    // (nullopt on No); the baseline after success.
    std::optional<Outcome> writeConfig(DeviceFlows& device);
    // "Upload firmware": the question first (nullopt on No).
    std::optional<Outcome> uploadFirmware(DeviceFlows& device);
    // A load over the settings (a file, a recent file, a drop, a backup):
    // one step named `stepName`; the baseline when `load` succeeds.
    Outcome load(std::string_view stepName, const std::function<Outcome()>& load);
    // After a save: the baseline.
    void saved() { takeBaseline(); }

private:
    Settings& settings_;
    UserInterface& ui_;
    History history_;
    SettingsModel baseline_;
    SettingsModel other_;  // the reference when not the baseline
    Reference reference_ = Reference::Baseline;
};

}  // namespace zeru::session
