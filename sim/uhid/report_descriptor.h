// SPDX-License-Identifier: GPL-3.0-or-later
// The HID report descriptor the virtual device presents: one vendor-defined
// application collection with a 64-byte input report and a 64-byte output
// report, and no report IDs, like the hardware's single unnumbered report in
// each direction.
#pragma once

#include <array>
#include <cstdint>

namespace zeru::uhid {

inline constexpr std::uint16_t kVirtualVendorId = 0x0483;
inline constexpr std::uint16_t kVirtualProductId = 0xA050;

inline constexpr std::array<std::uint8_t, 34> kReportDescriptor = {
    0x06, 0x00, 0xFF,  // Usage Page (vendor defined 0xFF00)
    0x09, 0x01,        // Usage (1)
    0xA1, 0x01,        // Collection (Application)
    0x09, 0x02,        //   Usage (2)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x00,  //   Logical Maximum (255)
    0x75, 0x08,        //   Report Size (8 bits)
    0x95, 0x40,        //   Report Count (64)
    0x81, 0x02,        //   Input (Data, Variable, Absolute)
    0x09, 0x03,        //   Usage (3)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x00,  //   Logical Maximum (255)
    0x75, 0x08,        //   Report Size (8 bits)
    0x95, 0x40,        //   Report Count (64)
    0x91, 0x02,        //   Output (Data, Variable, Absolute)
    0xC0,              // End Collection
};

}  // namespace zeru::uhid
