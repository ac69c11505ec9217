// SPDX-License-Identifier: GPL-3.0-or-later
// list: the connected devices, one a line, so that a script can pick them.
#include <cstdio>
#include <memory>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "device/device_list.h"

namespace zeru::cli {
namespace {

int runList(bool versions, CommandContext& c) {
    Result<DeviceSession> opened = DeviceSession::open(c.global);
    if (!opened) return showFailure(opened.failure(), c.ui);
    DeviceSession& session = opened.value();
    const DeviceListing listing = listDevices(session.transport(), c.ui, versions);
    if (listing.lines.empty()) {
        c.ui.error("No device.");
        return finishDevice(kNoDevice, session, c.ui);
    }
    for (const std::string& line : listing.lines) std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    return finishDevice(listing.allAnswered ? kSuccess : kDeviceFailed, session, c.ui);
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
