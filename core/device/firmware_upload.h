// SPDX-License-Identifier: GPL-3.0-or-later
// Sending the built-in firmware image to the device, 32 bytes a page.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "device/device_link.h"
#include "device/firmware_resource.h"
#include "settings/result.h"

namespace zeru {

// The largest image accepted, and the size of the buffer that holds it.
inline constexpr std::size_t kFirmwareBufferSize = 112640;
using FirmwareBuffer = std::span<std::uint8_t, kFirmwareBufferSize>;

// Loads resource 1 from `source` into `buffer` (zero-padded after the image)
// and sends its pages on the open link, letting window events run before each
// page. Refusals come as information boxes, progress as log lines. Done when
// every page was accepted ("Firmware upgrade success" logged); else the
// failure (DeviceFailed) with the refusal's text, or the failed page and its
// line.
Outcome UploadFirmware(DeviceLink& link, const FirmwareSource& source, FirmwareBuffer buffer);

}  // namespace zeru
