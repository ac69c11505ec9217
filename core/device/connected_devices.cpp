// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/connected_devices.h"

#include <algorithm>

#include "device/device_selector.h"

namespace zeru {

bool ConnectedDevices::refresh() {
    auto now = zeruDevices(transport_.enumerate());
    const bool same = std::equal(now.begin(), now.end(), devices_.begin(), devices_.end(),
                                 [](const HidDeviceInfo& a, const HidDeviceInfo& b) {
                                     return a.path == b.path && a.serialNumber == b.serialNumber;
                                 });
    devices_ = std::move(now);
    return !same;
}

}  // namespace zeru
