// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/device_selector.h"

#include <algorithm>

#include "device/report.h"

namespace zeru {

std::vector<HidDeviceInfo> zeruDevices(const std::vector<HidDeviceInfo>& interfaces) {
    std::vector<HidDeviceInfo> devices;
    std::copy_if(
        interfaces.begin(), interfaces.end(), std::back_inserter(devices),
        [](const HidDeviceInfo& d) { return d.vendorId == kZeruVendorId && d.productId == kZeruProductId; });
    return devices;
}

std::optional<HidDeviceInfo> DeviceSelector::pick(const std::vector<HidDeviceInfo>& interfaces) const {
    const auto devices = zeruDevices(interfaces);
    // A path names one device for sure; a serial number only when the maker
    // gave each its own, so a path wins over a serial that looks the same.
    for (const auto& same : {&HidDeviceInfo::path, &HidDeviceInfo::serialNumber}) {
        auto it = std::find_if(devices.begin(), devices.end(),
                               [&](const HidDeviceInfo& d) { return choice_.empty() || d.*same == choice_; });
        if (it != devices.end()) return *it;
    }
    return std::nullopt;
}

std::string DeviceSelector::notFoundLine() const {
    if (choice_.empty()) return std::string(kNotFoundLine);
    return "Kestrovane Zeru " + choice_ + " not found.";
}

}  // namespace zeru
