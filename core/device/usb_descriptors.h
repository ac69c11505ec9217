// SPDX-License-Identifier: GPL-3.0-or-later
// The USB descriptors of the Kestrovane Zeru: one HID interface with an
// interrupt IN and an interrupt OUT endpoint, and a report descriptor with one
// unnumbered 64-byte report in each direction. The virtual device presents
// them, and every trace starts with them so that a protocol analyser decodes
// the reports.
#pragma once

#include <array>
#include <cstdint>

namespace zeru {

inline constexpr std::uint8_t kInterruptInEndpoint = 0x81;
inline constexpr std::uint8_t kInterruptOutEndpoint = 0x01;
inline constexpr std::uint8_t kHidReportLength = 64;

// clang-format off
// One vendor-defined application collection with a 64-byte input report and a
// 64-byte output report, and no report IDs.
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

inline constexpr std::array<std::uint8_t, 18> kDeviceDescriptor = {
    18, 0x01,    // length, DEVICE
    0x00, 0x02,  // USB 2.0
    0x00, 0x00, 0x00,  // class, subclass, protocol: given by the interface
    64,          // control endpoint packet size
    0x83, 0x04,  // vendor 0x0483
    0x50, 0xA0,  // product 0xA050
    0x00, 0x01,  // device release 1.00
    0, 0, 0,     // no manufacturer, product or serial number strings
    1,           // one configuration
};

inline constexpr std::array<std::uint8_t, 41> kConfigurationDescriptor = {
    9, 0x02, 41, 0, 1, 1, 0, 0x80, 50,      // CONFIGURATION: 41 bytes, 1 interface, bus powered, 100 mA
    9, 0x04, 0, 0, 2, 0x03, 0, 0, 0,        // INTERFACE 0: 2 endpoints, class HID, no boot protocol
    9, 0x21, 0x11, 0x01, 0, 1, 0x22,        // HID 1.11, one class descriptor: REPORT
    static_cast<std::uint8_t>(kReportDescriptor.size()), 0,
    7, 0x05, kInterruptInEndpoint, 0x03, kHidReportLength, 0, 1,   // ENDPOINT 0x81 interrupt IN, 64 bytes, 1 ms
    7, 0x05, kInterruptOutEndpoint, 0x03, kHidReportLength, 0, 1,  // ENDPOINT 0x01 interrupt OUT, 64 bytes, 1 ms
};
// clang-format on

}  // namespace zeru
