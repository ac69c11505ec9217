// SPDX-License-Identifier: GPL-3.0-or-later
// list: the connected devices, one a line, so that a script can pick them.
#include <cstdio>
#include <memory>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "device/device_link.h"
#include "device/version_requests.h"

namespace zeru::cli {
namespace {

// Columns of a line, separated by tabs so that cut and awk take them apart.
constexpr char kSeparator = '\t';
constexpr const char* kUnknown = "-";  // a version the device did not tell

// The device's firmware and hardware versions, asked as "Read config" asks
// them; false when it did not answer both.
bool appendVersions(std::string& line, const HidDeviceInfo& device, DeviceSession& session, TerminalUi& ui) {
    const DeviceSelector thisOne(device.path);
    DeviceLink link(session.transport(), ui, &thisOne);
    std::optional<std::uint32_t> firmware;
    std::optional<std::string> hardware;
    if (link.FindDevice() && link.isOpen()) {
        firmware = GetFirmwareVersion(link);
        if (firmware) hardware = GetHardwareVersion(link);
    }
    link.CloseDevice();
    char number[32] = "-";
    if (firmware) std::snprintf(number, sizeof number, "%.2f", *firmware * 0.01);
    line += kSeparator + std::string(number) + kSeparator + (hardware ? *hardware : kUnknown);
    return firmware && hardware;
}

int runList(bool versions, CommandContext& c) {
    DeviceSession session(c.global);
    const auto devices = zeruDevices(session.transport().enumerate());
    if (devices.empty()) {
        c.ui.error("No device.");
        return finishDevice(kNoDevice, session, c.ui);
    }
    int status = kSuccess;
    for (const HidDeviceInfo& device : devices) {
        std::string line = device.path + kSeparator + device.serialNumber;
        if (versions && !appendVersions(line, device, session, c.ui)) status = kDeviceFailed;
        std::printf("%s\n", line.c_str());
    }
    std::fflush(stdout);
    return finishDevice(status, session, c.ui);
}

}  // namespace

void addListCommand(CommandSet& commands) {
    auto versions = std::make_shared<bool>(false);
    CLI::App& command = commands.add(
        "list", "Lists the connected devices, one a line: path and serial number, separated by a tab.",
        [versions](CommandContext& c) { return runList(*versions, c); });
    command.add_flag("--versions", *versions,
                     "also ask each device for its firmware and hardware versions, as \"Read config\" does");
}

}  // namespace zeru::cli
