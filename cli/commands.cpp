// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands.h"

#include <cstdio>
#include <exception>

#include "cfgfile/config_file.h"
#include "cfgfile/file_replace.h"
#include "cli/device_session.h"
#include "cli/exit_status.h"
#include "cli/set_option.h"
#include "device/device_flows.h"
#include "device/device_link.h"
#include "device/version_requests.h"
#include "image/codec.h"
#include "interaction/command.h"
#include "rules/rules.h"
#include "settings/settings_model.h"
#include "settings/whole_number.h"

namespace zeru::cli {
namespace {

// The settings as the window has them right after start-up.
SettingsModel startupSettings(UserInterface& ui) {
    SettingsModel settings;
    rules::applyStartupSequence(settings, ui);
    return settings;
}

// Loads IN.cfg as "Read from file" does, then applies every --set.
int loadSettings(const Options& o, SettingsModel& settings, TerminalUi& ui) {
    if (!cfgfile::loadConfigFile(o.inputs.at(0), settings, ui)) return kImageRefused;
    for (const auto& [key, value] : o.sets) {
        try {
            applySetOption(settings, key, value);
        } catch (const SetOptionError& e) {
            ui.error(e.what());
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
        ui.error(errorBoxText(e.what()));
        return kSettingsRefused;
    } catch (const std::exception& e) {
        ui.error(errorBoxText(e.what()));
        return kImageRefused;
    }
}

// An image file: exactly 7168 bytes by its size, before it is read.
std::optional<ConfigImage> readImageFile(const std::string& path, TerminalUi& ui) {
    const cfgfile::InputFile file = cfgfile::readInputFile(path, kImageSize);
    if (file.status != cfgfile::InputFile::Status::Read &&
        file.status != cfgfile::InputFile::Status::TooLarge) {
        ui.error("Unable to read " + path + ".");
        return std::nullopt;
    }
    if (file.size != kImageSize) {
        ui.error(path + " is not a configuration image (" + std::to_string(file.size) + " bytes, not " +
                 std::to_string(kImageSize) + ").");
        return std::nullopt;
    }
    ConfigImage image;
    std::copy(file.bytes.begin(), file.bytes.end(), image.begin());
    return image;
}

int commandDefaults(const Options& o, TerminalUi& ui) {
    SettingsModel settings = startupSettings(ui);
    return saveSettings(settings, *o.output, ui);
}

int commandEncode(const Options& o, TerminalUi& ui) {
    SettingsModel settings = startupSettings(ui);
    if (int status = loadSettings(o, settings, ui)) return status;
    ConfigImage image{};
    try {
        if (!EncodeConfiguration(settings, ui, image)) return kSettingsRefused;
    } catch (const ConversionError& e) {
        ui.error(errorBoxText(e.what()));
        return kSettingsRefused;
    }
    try {
        cfgfile::replaceFileContent(*o.output, std::string(image.begin(), image.end()));
    } catch (const std::exception& e) {
        ui.error(errorBoxText(e.what()));
        return kImageRefused;
    }
    return kSuccess;
}

// An image file whose checksum and end marker are right.
std::optional<ConfigImage> readVerifiedImage(const std::string& path, TerminalUi& ui) {
    auto image = readImageFile(path, ui);
    if (image && !VerifyImage(*image)) {
        ui.error("Image checksum or end marker error.");
        return std::nullopt;
    }
    return image;
}

int commandVerify(const Options& o, TerminalUi& ui) {
    if (!readVerifiedImage(o.inputs.at(0), ui)) return kImageRefused;
    std::printf("%s: checksum and end marker are right.\n", o.inputs.at(0).c_str());
    return kSuccess;
}

int commandDecode(const Options& o, TerminalUi& ui) {
    auto image = readVerifiedImage(o.inputs.at(0), ui);
    if (!image) return kImageRefused;
    SettingsModel settings = startupSettings(ui);
    if (!DecodeConfiguration(*image, settings, ui)) return kImageRefused;
    return saveSettings(settings, *o.output, ui);
}

// Runs one device flow and maps its outcome to an exit status.
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
        ui.error(error);
        if (status == kSuccess) return kImageRefused;
    }
    return status;
}

int commandRead(const Options& o, TerminalUi& ui, DeviceSession& session) {
    SettingsModel settings = startupSettings(ui);
    ConfigImages images;
    DeviceFlows flows(settings, ui, images, session.transport());
    flows.readConfig();
    int status = deviceStatus(flows.lastOutcome());
    if (status == kSuccess) status = saveSettings(settings, *o.output, ui);
    return finishDevice(status, session, ui);
}

int commandWrite(const Options& o, TerminalUi& ui, DeviceSession& session) {
    SettingsModel settings = startupSettings(ui);
    if (int status = loadSettings(o, settings, ui)) return status;
    ConfigImages images;
    DeviceFlows flows(settings, ui, images, session.transport());
    try {
        flows.writeConfig();
    } catch (const ConversionError& e) {
        ui.error(errorBoxText(e.what()));
        return kSettingsRefused;
    }
    return finishDevice(deviceStatus(flows.lastOutcome()), session, ui);
}

int commandInfo(TerminalUi& ui, DeviceSession& session) {
    DeviceLink link(session.transport(), ui);
    if (!link.FindDevice()) return finishDevice(kNoDevice, session, ui);
    const bool shown = ShowDeviceVersions(link);
    link.CloseDevice();
    if (!shown) ui.error("Version read error.");
    return finishDevice(shown ? kSuccess : kDeviceFailed, session, ui);
}

int commandUpload(TerminalUi& ui, DeviceSession& session) {
    SettingsModel settings;
    ConfigImages images;
    DeviceFlows flows(settings, ui, images, session.transport());
    flows.uploadFirmware();
    return finishDevice(deviceStatus(flows.lastOutcome()), session, ui);
}

}  // namespace

int runCommandLine(const Options& o, TerminalUi& ui) {
    const std::string& c = o.command;
    if (c == "defaults") return commandDefaults(o, ui);
    if (c == "encode") return commandEncode(o, ui);
    if (c == "decode") return commandDecode(o, ui);
    if (c == "verify") return commandVerify(o, ui);

    DeviceSession session(o);
    if (c == "read") return commandRead(o, ui, session);
    if (c == "write") return commandWrite(o, ui, session);
    if (c == "info") return commandInfo(ui, session);
    if (c == "upload-firmware") return commandUpload(ui, session);
    throw UsageError("unknown command " + c);
}

}  // namespace zeru::cli
