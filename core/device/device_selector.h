// SPDX-License-Identifier: GPL-3.0-or-later
// Which connected Kestrovane Zeru the device flows use: the first one found
// (the only one, usually), or the one a user chose by its path or serial
// number.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "device/report_transport.h"

namespace zeru {

inline constexpr std::string_view kNotFoundLine = "Kestrovane Zeru not found.";

// The Kestrovane Zeru devices (vendor 0x0483, product 0xA050) among every
// enumerated HID interface, in enumeration order.
std::vector<HidDeviceInfo> zeruDevices(const std::vector<HidDeviceInfo>& interfaces);

class DeviceSelector {
public:
    DeviceSelector() = default;
    explicit DeviceSelector(std::string pathOrSerial) : choice_(std::move(pathOrSerial)) {}

    // "" goes back to the first device found.
    void choose(std::string pathOrSerial) { choice_ = std::move(pathOrSerial); }
    const std::string& choice() const { return choice_; }

    // The device to use among every enumerated interface; nullopt when no
    // Kestrovane Zeru is there, or not the chosen one.
    std::optional<HidDeviceInfo> pick(const std::vector<HidDeviceInfo>& interfaces) const;

    // "Kestrovane Zeru not found.", or with the choice: "Kestrovane Zeru
    // /dev/hidraw3 not found.".
    std::string notFoundLine() const;

private:
    std::string choice_;
};

}  // namespace zeru
