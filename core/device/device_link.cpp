// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/device_link.h"

namespace zeru {

std::string notFoundAdviceLine() {
#ifdef __linux__
    return "Check that the USB cable is plugged in and the device is powered, and that the device-access "
           "rule "
           "is installed (see " +
           std::string(kDeviceAccessDocumentation) + ").";
#else
    return "Check that the USB cable is plugged in and the device is powered.";
#endif
}

std::string openFailureLine(std::string_view reason) {
    return "Cannot open the device: " + std::string(reason) + ". See " +
           std::string(kDeviceAccessDocumentation) + ".";
}

bool DeviceLink::FindDevice() {
    CloseDevice();
    const DeviceSelector firstFound;
    const DeviceSelector& selector = selector_ != nullptr ? *selector_ : firstFound;
    if (const auto device = selector.pick(transport_.enumerate())) {
        const Outcome opened = transport_.open(device->path);
        open_ = opened.ok();
        ui_.log(Message::fromUtf8(kFoundLine));
        if (!opened) ui_.log(Message::fromUtf8(openFailureLine(opened.failure().text)));
        return true;
    }
    ui_.log(Message::fromUtf8(selector.notFoundLine()));  // the path or serial as the user gave it
    // Advice for a device that is nowhere; a chosen one that is missing is
    // better looked for in the list of those that are there.
    if (selector.choice().empty()) ui_.log(Message::fromUtf8(notFoundAdviceLine()));
    return false;
}

void DeviceLink::CloseDevice() {
    if (!open_) return;
    transport_.close();
    open_ = false;
}

std::optional<Report> DeviceLink::TransferReport(const Report& request, std::chrono::milliseconds limit) {
    unanswered_ = false;
    if (!open_) return std::nullopt;
    if (transport_.write(request) < static_cast<int>(kReportSize)) return std::nullopt;
    Report reply{};
    const int got = transport_.read(reply, limit);
    // A device that went away with the request is taken not to have acted on
    // it; one that is there and stays silent, or answers short, may have.
    unanswered_ = got >= 0 && got < static_cast<int>(kReportSize);
    if (got < static_cast<int>(kReportSize)) return std::nullopt;
    return reply;
}

}  // namespace zeru
