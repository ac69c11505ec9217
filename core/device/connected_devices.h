// SPDX-License-Identifier: GPL-3.0-or-later
// The connected Kestrovane Zeru devices as the enumeration tells them. The
// enumeration asks the devices nothing, so it is cheap enough to repeat every
// second or so to follow devices that are plugged in or out.
#pragma once

#include <vector>

#include "device/report_transport.h"

namespace zeru {

class ConnectedDevices {
public:
    explicit ConnectedDevices(ReportTransport& transport) : transport_(transport) {}

    // Asks the enumeration again; true when the devices are not those of the
    // last time (another path or serial number, one more or one less).
    bool refresh();

    const std::vector<HidDeviceInfo>& devices() const { return devices_; }

private:
    ReportTransport& transport_;
    std::vector<HidDeviceInfo> devices_;
};

}  // namespace zeru
