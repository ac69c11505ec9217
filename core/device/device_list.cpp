// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/device_list.h"

#include <cstdio>
#include <optional>

#include "device/device_link.h"
#include "device/device_selector.h"
#include "device/version_requests.h"
#include "interaction/visible_text.h"

namespace zeru {
namespace {

// Columns of a line, separated by tabs so that cut and awk take them apart.
constexpr char kSeparator = '\t';
constexpr const char* kUnknown = "-";  // a version the device did not tell

// The device's firmware and hardware versions, asked as "Read config" asks
// them; false when it did not answer both.
bool appendVersions(std::string& line, const HidDeviceInfo& device, ReportTransport& transport,
                    UserInterface& ui) {
    const DeviceSelector thisOne(device.path);
    DeviceLink link(transport, ui, &thisOne);
    std::optional<std::uint32_t> firmware;
    std::optional<std::string> hardware;
    if (link.FindDevice()) {
        firmware = GetFirmwareVersion(link);
        if (firmware) hardware = GetHardwareVersion(link);
    }
    link.CloseDevice();
    char number[32] = "-";
    if (firmware) std::snprintf(number, sizeof number, "%.2f", *firmware * 0.01);
    line += kSeparator + std::string(number) + kSeparator +
            (hardware ? visibleText(latin1ToUtf8(hardware->c_str())) : kUnknown);
    return firmware && hardware;
}

}  // namespace

DeviceListing listDevices(ReportTransport& transport, UserInterface& ui, bool withVersions) {
    DeviceListing listing;
    for (const HidDeviceInfo& device : zeruDevices(transport.enumerate())) {
        std::string line = visibleText(device.path) + kSeparator + visibleText(device.serialNumber);
        if (withVersions && !appendVersions(line, device, transport, ui)) listing.allAnswered = false;
        listing.lines.push_back(line);
    }
    return listing;
}

}  // namespace zeru
