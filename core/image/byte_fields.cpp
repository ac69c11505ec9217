// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/byte_fields.h"

#include <algorithm>

namespace zeru {

void putU16(ConfigImage& image, std::size_t offset, std::uint16_t value) {
    image[offset] = static_cast<std::uint8_t>(value);
    image[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

void putU32(ConfigImage& image, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) image[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint16_t getU16(const ConfigImage& image, std::size_t offset) {
    return static_cast<std::uint16_t>(image[offset] | (image[offset + 1] << 8));
}

std::uint32_t getU32(const ConfigImage& image, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t{image[offset + i]} << (8 * i);
    return value;
}

void putChars(ConfigImage& image, std::size_t offset, std::string_view chars) {
    std::copy(chars.begin(), chars.end(), image.begin() + static_cast<std::ptrdiff_t>(offset));
}

std::string getChars(const ConfigImage& image, std::size_t offset, std::size_t width) {
    const auto first = image.begin() + static_cast<std::ptrdiff_t>(offset);
    const auto end = std::find(first, first + static_cast<std::ptrdiff_t>(width), std::uint8_t{0});
    return std::string(first, end);
}

}  // namespace zeru
