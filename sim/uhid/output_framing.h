// SPDX-License-Identifier: GPL-3.0-or-later
// What the device receives from an output report that the kernel's uhid
// driver hands over. A hidraw write carries the report number first; over real
// USB the host strips a report number 0 before the bytes reach the device, but
// uhid passes the write on whole, so the virtual device strips it itself.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "sim/device_simulator.h"

namespace zeru::uhid {

// The 64 report bytes of a write of 65 bytes that starts with report number 0.
// Anything else (another length, a nonzero report number, which this device
// does not declare) is not a report of this device: nullopt.
std::optional<sim::HidReport> reportFromOutput(std::span<const std::uint8_t> written);

// The first 64 bytes of a write as they are, report number included: how a
// device that got the framing wrong would see it (for checking the tests).
std::optional<sim::HidReport> reportKeepingNumber(std::span<const std::uint8_t> written);

}  // namespace zeru::uhid
