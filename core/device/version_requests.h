// SPDX-License-Identifier: GPL-3.0-or-later
// The device's firmware and hardware version requests and the texts that show
// them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "device/device_link.h"

namespace zeru {

// The firmware version number this configurator works with (1.02). A device is
// compatible exactly when it reports this number.
inline constexpr std::uint32_t kConfiguratorVersion = 102;

// One firmware version exchange; nullopt when it fails or the echo is wrong.
std::optional<std::uint32_t> GetFirmwareVersion(DeviceLink& link);

// One hardware version exchange: the text from reply byte 2 up to its first
// zero byte, or up to byte 64 when there is none. nullopt when it fails.
std::optional<std::string> GetHardwareVersion(DeviceLink& link);

// Queries both versions and shows them in one plain message box. When either
// request fails, nothing is shown and the failure (DeviceFailed) carries
// kVersionReadError.
Outcome ShowDeviceVersions(DeviceLink& link);

inline constexpr std::string_view kVersionReadError = "Version read error.";

// The information boxes for a device whose firmware differs from ours.
std::string writeIncompatibleText(std::uint32_t deviceVersion);
std::string readIncompatibleText(std::uint32_t deviceVersion);

}  // namespace zeru
