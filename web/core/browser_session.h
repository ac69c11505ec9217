// SPDX-License-Identifier: GPL-3.0-or-later
// What the browser page works on for its whole life: the settings, the
// configuration they are compared with (the last one read, loaded, saved or
// written), the device and file commands and the backups. The page's buttons
// call these; none of the page's code decides anything about the settings.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "backup/safety_net.h"
#include "compare/comparison.h"
#include "device/device_flows.h"
#include "image/config_image.h"
#include "problems/problems.h"
#include "settings/settings_model.h"
#include "web/core/browser_backups.h"
#include "web/core/js_user_interface.h"
#include "web/core/webhid_transport.h"

namespace zeru::web {

// A "Save to file": the file's bytes and the name to propose, or the setting
// that stops the save (its message already shown).
struct SavedFile {
    bool saved = false;
    std::string bytes;
    std::string name;
    std::string refusedSetting;
};

class BrowserSession {
public:
    // The settings at their start-up values, which are also the baseline.
    // `transport` and `ui` default to the page's; tests hand in their own.
    BrowserSession();
    BrowserSession(UserInterface& ui, ReportTransport& transport);
    BrowserSession(const BrowserSession&) = delete;
    BrowserSession& operator=(const BrowserSession&) = delete;

    SettingsModel& settings() { return settings_; }
    UserInterface& ui() { return ui_; }

    // A user's choice in a drop-down list, followed by its form rule.
    void chooseEntry(const std::string& name, int index);
    // "Default parameters" of an analog (1..5) or digital (1..8) channel.
    void defaultParameters(bool analog, int channel);

    std::vector<problems::Problem> problems() const { return problems::findProblems(settings_); }
    // The differences from the baseline, in file key order: the marks at the fields.
    std::vector<compare::Difference> changes() const {
        return compare::compareSettings(baseline_, settings_);
    }
    bool hasUnsavedChanges() const { return !changes().empty(); }
    // The configuration last read, loaded, saved or written (the start-up
    // settings before any), and whether there has been one.
    const SettingsModel& baseline() const { return baseline_; }
    bool baselineRead() const { return baselineRead_; }

    // The "Changes" list: the settings against a reference, the baseline at
    // first. Against the device, the settings count as the device would hold
    // them once written.
    enum class Reference { Baseline, Defaults, File, Device };
    std::vector<compare::Difference> comparison() const;
    Reference reference() const { return reference_; }
    void compareWithBaseline() { reference_ = Reference::Baseline; }
    void compareWithDefaults();
    // The refusal (shown) when the file does not load.
    Outcome compareWithFile(const std::string& bytes, const std::string& name);
    // Reads the device into the reference only; false when it cannot be read.
    bool compareWithDevice();
    // Puts the named settings (every listed one when empty) back to their
    // values in the reference, as a program's write.
    void revert(const std::vector<std::string>& names);

    // "Save to file": success logs "Saved NAME" and makes the settings the baseline.
    SavedFile saveToFile();
    // "Read from file" of a chosen or dropped file: success logs "Loaded NAME";
    // else the refusal, shown.
    Outcome readFromFile(const std::string& bytes, const std::string& name);
    // "Read from file" of a backup kept in the browser.
    Outcome restoreBackup(const std::string& name);

    // The three device commands, as the window's buttons run them, each with
    // how it ended; nullopt when the user answered no to its question. They
    // wait for the page's device and answers (Asyncify): call them through
    // the module's asynchronous entry points.
    ReadOutcome readConfig();
    std::optional<Outcome> writeConfig();
    std::optional<Outcome> uploadFirmware();

    BrowserBackups& backups() { return backups_; }

private:
    void takeBaseline(bool read = true) {
        copySettings(settings_, baseline_);
        baselineRead_ = read;
    }
    // A configuration file's bytes applied over `settings`; the refusal, shown.
    Outcome loadFile(const std::string& bytes, const std::string& name, Settings& settings);

    JsUserInterface pageUi_;
    WebHidTransport pageTransport_;
    UserInterface& ui_;
    ReportTransport& transport_;
    SettingsModel settings_;
    SettingsModel baseline_;
    bool baselineRead_ = false;
    SettingsModel other_;  // the reference of the "Changes" list when not the baseline
    Reference reference_ = Reference::Baseline;
    ConfigImages images_;
    BrowserBackups backups_;
    backup::SafetyNet safety_;
    DeviceFlows device_;
};

}  // namespace zeru::web
