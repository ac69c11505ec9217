// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_support.h"

#include <exception>

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
    if (!cfgfile::loadConfigFile(path, settings, ui)) return kImageRefused;
    for (const auto& [key, value] : sets) {
        try {
            applySetOption(settings, key, value, ui);
        } catch (const SetOptionError& e) {
            ui.error(Message::fromUtf8(e.what()));
            return kSettingsRefused;
        }
    }
    return kSuccess;
}

int saveSettings(const Settings& settings, const std::string& path, TerminalUi& ui) {
    try {
        cfgfile::saveConfigFile(settings, path);
        return kSuccess;
    } catch (const ConversionError& e) {
        ui.error(Message::fromUtf8(errorBoxText(e.what())));
        return kSettingsRefused;
    } catch (const std::exception& e) {
        ui.error(Message::fromUtf8(errorBoxText(e.what())));
        return kImageRefused;
    }
}

int deviceStatus(DeviceOutcome outcome) {
    switch (outcome) {
        case DeviceOutcome::Success:
            return kSuccess;
        case DeviceOutcome::SettingsRefused:
            return kSettingsRefused;
        case DeviceOutcome::ImageRefused:
            return kImageRefused;
        case DeviceOutcome::NoDevice:
            return kNoDevice;
        case DeviceOutcome::DeviceFailed:
            return kDeviceFailed;
    }
    return kDeviceFailed;
}

int finishDevice(int status, const DeviceSession& session, TerminalUi& ui) {
    if (status == kDeviceFailed) ui.endWithFailureLine();
    std::string error;
    if (!session.saveState(error)) {
        ui.error(Message::fromUtf8(error));
        if (status == kSuccess) return kImageRefused;
    }
    return status;
}

}  // namespace zeru::cli
