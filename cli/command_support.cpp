// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_support.h"

#include "cfgfile/config_file.h"
#include "cli/exit_status.h"
#include "cli/set_option.h"
#include "interaction/command.h"
#include "rules/rules.h"
#include "settings/whole_number.h"

namespace zeru::cli {

SettingsModel startupSettings(UserInterface& ui) {
    SettingsModel settings;
    rules::applyStartupSequence(settings, ui);
    return settings;
}

int loadSettings(const std::string& path, const SetOptions& sets, SettingsModel& settings, TerminalUi& ui) {
    if (const Outcome loaded = cfgfile::loadConfigFile(path, settings, ui); !loaded)
        return exitStatus(loaded);
    session::EditingSession editing(settings, ui);
    for (const auto& [key, value] : sets) {
        if (const Outcome set = applySetOption(editing, key, value); !set) {
            ui.error(Message::fromUtf8(set.failure().text));
            return exitStatus(set);
        }
    }
    return kSuccess;
}

int saveSettings(const Settings& settings, const std::string& path, TerminalUi& ui) {
    const Outcome saved = cfgfile::saveConfigFile(settings, path);
    if (!saved) ui.error(Message::fromUtf8(errorBoxText(saved.failure().text)));
    return exitStatus(saved);
}

int finishDevice(int status, const DeviceSession& session, TerminalUi& ui) {
    if (status == kDeviceFailed) ui.endWithFailureLine();
    if (const Outcome saved = session.saveState(); !saved) {
        ui.error(Message::fromUtf8(saved.failure().text + "."));
        if (status == kSuccess) return exitStatus(saved);
    }
    return status;
}

int showFailure(const Failure& failure, TerminalUi& ui) {
    ui.error(Message::fromUtf8(failure.text));
    return exitStatus(failure.kind);
}

}  // namespace zeru::cli
