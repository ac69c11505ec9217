// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/device_link.h"

namespace zeru {

std::string openFailureLine(std::string_view reason) {
    return "Cannot open the device: " + std::string(reason) + ". See \"Device access\" in the README.";
}

bool DeviceLink::FindDevice() {
    CloseDevice();
    for (const HidDeviceInfo& device : transport_.enumerate()) {
        if (device.vendorId != kZeruVendorId || device.productId != kZeruProductId) continue;
        std::string whyNot;
        open_ = transport_.open(device.path, whyNot);
        ui_.log(kFoundLine);
        if (!open_) ui_.log(openFailureLine(whyNot));
        return true;
    }
    ui_.log(kNotFoundLine);
    return false;
}

void DeviceLink::CloseDevice() {
    if (!open_) return;
    transport_.close();
    open_ = false;
}

std::optional<Report> DeviceLink::TransferReport(const Report& request, std::chrono::milliseconds limit) {
    if (!open_) return std::nullopt;
    if (transport_.write(request) < static_cast<int>(kReportSize)) return std::nullopt;
    Report reply{};
    if (transport_.read(reply, limit) < static_cast<int>(kReportSize)) return std::nullopt;
    return reply;
}

}  // namespace zeru
