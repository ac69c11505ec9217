// SPDX-License-Identifier: GPL-3.0-or-later
// The firmware image's bytes, generated at build time from the file that the
// ZERU_FIRMWARE_IMAGE cache option names (see embed_firmware.cmake).
#pragma once

#include <cstddef>
#include <cstdint>

namespace zeru {

extern const std::uint8_t kEmbeddedFirmware[];
extern const std::size_t kEmbeddedFirmwareSize;

}  // namespace zeru
