// SPDX-License-Identifier: GPL-3.0-or-later
// The connected devices as `zeru-cli list` shows them, one a line: path and
// serial number, and with their versions the firmware and hardware versions
// as "Read config" asks them, separated by tabs.
#pragma once

#include <string>
#include <vector>

#include "device/report_transport.h"
#include "interaction/user_interface.h"

namespace zeru {

struct DeviceListing {
    std::vector<std::string> lines;  // empty when no device is there
    bool allAnswered = true;         // every device told both versions (when asked)
};

DeviceListing listDevices(ReportTransport& transport, UserInterface& ui, bool withVersions);

}  // namespace zeru
