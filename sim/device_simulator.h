// SPDX-License-Identifier: GPL-3.0-or-later
// The device's side of every request, as a function of the device's state and
// one 64-byte report: used in process by the tests, the benchmarks and the
// command-line tool, and by the virtual HID device.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "image/config_image.h"
#include "sim/fault.h"

namespace zeru::sim {

// One report as it travels on the wire: 64 bytes, without the report number
// (so byte 0 here is byte 1 of the configurator's 65-byte buffer).
inline constexpr std::size_t kHidReportSize = 64;
using HidReport = std::array<std::uint8_t, kHidReportSize>;

// A reply; `size` is below 64 only for the "short" fault.
struct SimReply {
    HidReport bytes{};
    std::size_t size = kHidReportSize;
};

// How many firmware pages the device takes (the configurator's largest image).
inline constexpr std::size_t kFirmwarePageLimit = 3520;

// A configuration memory as it leaves the factory: every byte 0xFF.
ConfigImage erasedMemory();

struct DeviceState {
    std::uint32_t firmwareVersion = 102;
    // Sent from reply byte 1 on, zero-terminated when shorter than 63 bytes.
    std::string hardwareVersion = "Zeru-1 rev. A";
    // Reported by the USB enumeration, not by a request.
    std::string serialNumber = "ZS0001";
    ConfigImage memory = erasedMemory();
    // The firmware pages accepted since the last page 0, in order.
    std::vector<std::uint8_t> firmware;
    std::optional<Fault> fault;
    bool present = true;       // false once a "gone" fault has struck
    std::size_t requests = 0;  // requests received while present
};

// The device's answer to one request, or nullopt when it gives none (silent or
// gone). The device refuses (answers zeros) unknown commands, page numbers
// out of range, pages whose sum is wrong and firmware pages out of order.
std::optional<SimReply> respond(DeviceState& state, const HidReport& request);

}  // namespace zeru::sim
