// SPDX-License-Identifier: GPL-3.0-or-later
// Steps that several zeru-cli commands share: the start-up settings, loading
// and saving configuration files, and the exit status of a device flow.
#pragma once

#include <string>

#include "cli/command_options.h"
#include "cli/device_session.h"
#include "cli/terminal_ui.h"
#include "device/device_flows.h"
#include "settings/settings_model.h"

namespace zeru::cli {

// The settings as the window has them right after start-up.
SettingsModel startupSettings(UserInterface& ui);

// Loads `path` as "Read from file" does, then applies every --set; the exit
// status (kSuccess when all went well).
int loadSettings(const std::string& path, const SetOptions& sets, SettingsModel& settings, TerminalUi& ui);

// Saves as "Save to file" does; the exit status.
int saveSettings(const Settings& settings, const std::string& path, TerminalUi& ui);

// Ends a device command: a failed device ends with its failure line, and a
// simulator's memory goes back to its state file.
int finishDevice(int status, const DeviceSession& session, TerminalUi& ui);

// Shows the failure's text as it stands (the line that tells it); the exit
// status of its kind.
int showFailure(const Failure& failure, TerminalUi& ui);

}  // namespace zeru::cli
