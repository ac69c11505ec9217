// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/firmware_resource.h"

#include "device/firmware/embedded_firmware.h"

namespace zeru {

std::optional<std::span<const std::uint8_t>> findFirmwareResource(int id) {
    if (id != kFirmwareResourceId) return std::nullopt;
    return std::span<const std::uint8_t>(kEmbeddedFirmware, kEmbeddedFirmwareSize);
}

}  // namespace zeru
