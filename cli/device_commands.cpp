// SPDX-License-Identifier: GPL-3.0-or-later
// read, write, info and upload-firmware: the window's device flows.
#include <cstdio>
#include <memory>

#include "cli/backup_command.h"
#include "cli/check_command.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "device/device_link.h"
#include "device/upload_notice.h"
#include "device/version_requests.h"
#include "interaction/visible_text.h"

namespace zeru::cli {
namespace {

struct DeviceArguments {
    std::string input;
    std::string output;
    SetOptions sets;
    std::string device;
    BackupOptions backup;
};

int runRead(const DeviceArguments& a, CommandContext& c) {
    Result<DeviceSession> opened = DeviceSession::open(c.global, a.device);
    if (!opened) return showFailure(opened.failure(), c.ui);
    DeviceSession& session = opened.value();
    SettingsModel settings = startupSettings(c.ui);
    ConfigImages images;
    DeviceFlows flows(settings, c.ui, images, session.transport());
    flows.useDeviceSelector(&session.selector());
    const ReadOutcome read = flows.readConfig();
    int status = exitStatus(read.outcome);
    if (status == kSuccess) status = saveSettings(settings, a.output, c.ui);
    // "Eeprom read success." may stand before a failed page past the
    // configuration block: the file is still not saved, and must not seem so.
    if (read.settingsRead && status == kDeviceFailed)
        c.ui.error(Message::fromUtf8(visibleText(a.output) + " was not written."));
    return finishDevice(status, session, c.ui);
}

int runWrite(const DeviceArguments& a, CommandContext& c) {
    Result<DeviceSession> opened = DeviceSession::open(c.global, a.device);
    if (!opened) return showFailure(opened.failure(), c.ui);
    DeviceSession& session = opened.value();
    SettingsModel settings = startupSettings(c.ui);
    if (int status = loadSettings(a.input, a.sets, settings, c.ui)) return status;
    tellUnsettledChoices(settings, c.ui);
    ConfigImages images;
    Result<CommandSafety> safety = CommandSafety::of(a.backup, session.origin());
    if (!safety) return showFailure(safety.failure(), c.ui);
    DeviceFlows flows(settings, c.ui, images, session.transport(), findFirmwareResource,
                      safety.value().get());
    flows.useDeviceSelector(&session.selector());
    return finishDevice(exitStatus(flows.writeConfig()), session, c.ui);
}

int runInfo(const DeviceArguments& a, CommandContext& c) {
    Result<DeviceSession> opened = DeviceSession::open(c.global, a.device);
    if (!opened) return showFailure(opened.failure(), c.ui);
    DeviceSession& session = opened.value();
    DeviceLink link(session.transport(), c.ui, &session.selector());
    if (const Outcome found = link.FindDevice(); !found)
        return finishDevice(exitStatus(found), session, c.ui);
    const Outcome shown = ShowDeviceVersions(link);
    link.CloseDevice();
    if (!shown) c.ui.error(Message::fromUtf8(shown.failure().text));
    return finishDevice(exitStatus(shown), session, c.ui);
}

int runUploadFirmware(const DeviceArguments& a, CommandContext& c) {
    // Asks nothing (zeru-cli runs in scripts) but tells what the window's
    // question tells, on standard output so that a quiet run stays quiet.
    std::printf("%s\n", firmwareUploadFacts().c_str());
    std::fflush(stdout);
    Result<DeviceSession> opened = DeviceSession::open(c.global, a.device);
    if (!opened) return showFailure(opened.failure(), c.ui);
    DeviceSession& session = opened.value();
    SettingsModel settings;
    ConfigImages images;
    Result<CommandSafety> safety = CommandSafety::of(a.backup, session.origin());
    if (!safety) return showFailure(safety.failure(), c.ui);
    DeviceFlows flows(settings, c.ui, images, session.transport(), findFirmwareResource,
                      safety.value().get());
    flows.useDeviceSelector(&session.selector());
    return finishDevice(exitStatus(flows.uploadFirmware()), session, c.ui);
}

}  // namespace

void addReadCommand(CommandSet& commands) {
    auto a = std::make_shared<DeviceArguments>();
    CLI::App& command = commands.add("read", "\"Read config\" from the device, then saves the settings.",
                                     [a](CommandContext& c) { return runRead(*a, c); });
    addOutputOption(command, "OUT.cfg", a->output);
    addDeviceOption(command, a->device);
}

void addWriteCommand(CommandSet& commands) {
    auto a = std::make_shared<DeviceArguments>();
    CLI::App& command = commands.add(
        "write", "Loads IN.cfg, then \"Write config\" to the device, after a backup of what it holds.",
        [a](CommandContext& c) { return runWrite(*a, c); });
    addInputArgument(command, "IN.cfg", a->input);
    addSetOption(command, a->sets);
    addDeviceOption(command, a->device);
    addBackupOptions(command, a->backup, true);
}

void addInfoCommand(CommandSet& commands) {
    auto a = std::make_shared<DeviceArguments>();
    CLI::App& command = commands.add("info", "Shows the device's firmware and hardware versions.",
                                     [a](CommandContext& c) { return runInfo(*a, c); });
    addDeviceOption(command, a->device);
}

void addUploadFirmwareCommand(CommandSet& commands) {
    auto a = std::make_shared<DeviceArguments>();
    CLI::App& command = commands.add(
        "upload-firmware",
        "\"Upload firmware\" with the built-in firmware image, after a backup of the configuration.",
        [a](CommandContext& c) { return runUploadFirmware(*a, c); });
    addBackupOptions(command, a->backup, true);
    addDeviceOption(command, a->device);
}

}  // namespace zeru::cli
