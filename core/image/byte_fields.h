// SPDX-License-Identifier: GPL-3.0-or-later
// Little-endian numbers and terminated texts in an image.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "image/config_image.h"

namespace zeru {

void putU16(ConfigImage& image, std::size_t offset, std::uint16_t value);
void putU32(ConfigImage& image, std::size_t offset, std::uint32_t value);
std::uint16_t getU16(const ConfigImage& image, std::size_t offset);
std::uint32_t getU32(const ConfigImage& image, std::size_t offset);

// Copies the characters to `offset`; the caller has made sure they fit the field
// with its terminator, which (like the rest of the field) is the 0 of a cleared image.
void putChars(ConfigImage& image, std::size_t offset, std::string_view chars);
// The characters of a text field up to its first 0 byte, at most `width` of them:
// a damaged field without a terminator never reads into the next one.
std::string getChars(const ConfigImage& image, std::size_t offset, std::size_t width);

}  // namespace zeru
