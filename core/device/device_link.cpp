// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/device_link.h"

#include <utility>

namespace zeru {

std::string openFailureLine(std::string_view reason) {
    return "Cannot open the device: " + std::string(reason) + ". See " +
           std::string(kDeviceAccessDocumentation) + ".";
}

Outcome DeviceLink::FindDevice() {
    CloseDevice();
    const DeviceSelector firstFound;
    const DeviceSelector& selector = selector_ != nullptr ? *selector_ : firstFound;
    if (const auto device = selector.pick(transport_.enumerate())) {
        const Outcome opened = transport_.open(device->path);
        open_ = opened.ok();
        ui_.log(Message::fromUtf8(kFoundLine));
        if (opened) return {};
        std::string why = openFailureLine(opened.failure().text);
        ui_.log(Message::fromUtf8(why));
        return Failure::of(FailureKind::DeviceFailed, std::move(why));
    }
    std::string told = selector.notFoundLine();  // the path or serial as the user gave it
    ui_.log(Message::fromUtf8(told));
    // Advice for a device that is nowhere; a chosen one that is missing is
    // better looked for in the list of those that are there.
    if (selector.choice().empty()) {
        const std::string advice = notFoundAdviceLine();
        ui_.log(Message::fromUtf8(advice));
        told += '\n';
        told += advice;
    }
    return Failure::of(FailureKind::NoDevice, std::move(told));
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
