// SPDX-License-Identifier: GPL-3.0-or-later
// The 65-byte report buffer that every request and reply travels in, and the
// byte layout shared by the device requests.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "image/config_image.h"

namespace zeru {

// Byte 0 is the HID report number (always 0 in requests, not examined in
// replies); bytes 1..64 are the 64 bytes of the device's unnumbered report.
inline constexpr std::size_t kReportSize = 65;
using Report = std::array<std::uint8_t, kReportSize>;

inline constexpr std::uint16_t kZeruVendorId = 0x0483;
inline constexpr std::uint16_t kZeruProductId = 0xA050;

// Command bytes (offset 1); a successful reply repeats its request's byte.
inline constexpr std::uint8_t kHardwareVersionCommand = 0xFA;
inline constexpr std::uint8_t kFirmwareVersionCommand = 0xFB;
inline constexpr std::uint8_t kPageReadCommand = 0xFC;
inline constexpr std::uint8_t kPageWriteCommand = 0xFD;
inline constexpr std::uint8_t kFirmwarePageWriteCommand = 0xFE;

// Offsets inside the 65-byte buffer.
inline constexpr std::size_t kCommandOffset = 1;
inline constexpr std::size_t kPageNumberOffset = 2;  // 16-bit
inline constexpr std::size_t kPageDataOffset = 4;    // 32 bytes
inline constexpr std::size_t kPageSumOffset = 36;    // 16-bit
inline constexpr std::size_t kVersionOffset = 2;     // 32-bit number or text

using PageBytes = std::span<const std::uint8_t, kPageSize>;

// Arithmetic sum of the 32 page bytes; at most 8160, so it never wraps.
inline std::uint16_t pageSum(PageBytes page) {
    unsigned sum = 0;
    for (std::uint8_t b : page) sum += b;
    return static_cast<std::uint16_t>(sum);
}

inline void putLe16(Report& report, std::size_t offset, std::uint16_t value) {
    report[offset] = static_cast<std::uint8_t>(value & 0xFF);
    report[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline std::uint16_t getLe16(const Report& report, std::size_t offset) {
    return static_cast<std::uint16_t>(report[offset] | (report[offset + 1] << 8));
}

inline std::uint32_t getLe32(const Report& report, std::size_t offset) {
    return static_cast<std::uint32_t>(report[offset]) | static_cast<std::uint32_t>(report[offset + 1]) << 8 |
           static_cast<std::uint32_t>(report[offset + 2]) << 16 |
           static_cast<std::uint32_t>(report[offset + 3]) << 24;
}

// A request with report number 0, the command byte and zeros elsewhere.
inline Report makeRequest(std::uint8_t command) {
    Report request{};
    request[kCommandOffset] = command;
    return request;
}

}  // namespace zeru
