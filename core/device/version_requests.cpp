// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/version_requests.h"

#include <algorithm>
#include <cstdio>

#include "interaction/visible_text.h"

namespace zeru {

std::optional<std::uint32_t> GetFirmwareVersion(DeviceLink& link) {
    const std::optional<Report> reply = link.TransferReport(makeRequest(kFirmwareVersionCommand));
    if (!reply || (*reply)[kCommandOffset] != kFirmwareVersionCommand) return std::nullopt;
    return getLe32(*reply, kVersionOffset);
}

std::optional<std::string> GetHardwareVersion(DeviceLink& link) {
    const std::optional<Report> reply = link.TransferReport(makeRequest(kHardwareVersionCommand));
    if (!reply || (*reply)[kCommandOffset] != kHardwareVersionCommand) return std::nullopt;
    const auto first = reply->begin() + kVersionOffset;
    return std::string(first, std::find(first, reply->end(), std::uint8_t{0}));
}

namespace {

double shown(std::uint32_t version) { return version * 0.01; }

// snprintf into a string of the right length; the formats are the device
// link's own literals.
template <typename... Args>
std::string format(const char* pattern, Args... args) {
    const int length = std::snprintf(nullptr, 0, pattern, args...);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), pattern, args...);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

}  // namespace

Outcome ShowDeviceVersions(DeviceLink& link) {
    const Failure failed = Failure::of(FailureKind::DeviceFailed, std::string(kVersionReadError));
    const std::optional<std::uint32_t> firmware = GetFirmwareVersion(link);
    if (!firmware) return failed;
    std::string text = format("Firmware version: %.2f", shown(*firmware));
    const std::optional<std::string> hardware = GetHardwareVersion(link);
    if (!hardware) return failed;
    // The hardware version is the device's text (Latin-1), up to its first NUL.
    text += "\r\nHardware version: " + visibleText(latin1ToUtf8(hardware->c_str()));
    link.ui().message(Message::fromUtf8(text));
    return {};
}

std::string writeIncompatibleText(std::uint32_t deviceVersion) {
    return format(
        "Uncompatible firmware version:\nDevice: %.2f\nConfigurator: %0.2f\n\nYou need to upload new "
        "firmware "
        "using \"Upload firmware\" button.",
        shown(deviceVersion), shown(kConfiguratorVersion));
}

std::string readIncompatibleText(std::uint32_t deviceVersion) {
    return format(
        "Uncompatible firmware version:\nDevice: %.2f\nConfigurator: %0.2f\n\nYou need use the same "
        "Configurator and firmware version to read device configuration or you can write new configuration "
        "using \"Write config\" button.",
        shown(deviceVersion), shown(kConfiguratorVersion));
}

}  // namespace zeru
