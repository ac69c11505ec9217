// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of zeru-sim.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/result.h"
#include "sim/fault.h"

namespace zeru::uhid {
// The longest serial number the uhid driver carries.
inline constexpr std::size_t kMaxSerialLength = 63;
}  // namespace zeru::uhid

namespace zeru::uhid {

// Deliberate faults of the virtual USB device itself, not of the simulated
// device, so that the end-to-end test can show it catches them.
enum class UsbBreakage {
    None,
    KeepReportNumber,  // "report-number": take the report number as the first report byte
    OtherProduct,      // "ids": present product 0xA051 instead of 0xA050
};

struct SimOptions {
    std::optional<std::string> stateFile;  // loaded when it exists, saved on exit
    std::uint32_t firmwareVersion = 102;
    std::string serialNumber = "ZS0001";  // told by the USB enumeration
    std::optional<sim::Fault> fault;
    std::optional<std::string> traceFile;  // the conversation, saved on exit
    std::string uhidPath = "/dev/uhid";
    UsbBreakage breakage = UsbBreakage::None;
    bool verbose = false;
    bool help = false;
};

// Parses argv[1..]; a failure (Usage) that tells what is malformed.
Result<SimOptions> parseSimOptions(const std::vector<std::string>& args);

std::string simUsageText();

}  // namespace zeru::uhid
