// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/uhid/output_framing.h"

#include <algorithm>

namespace zeru::uhid {

std::optional<sim::HidReport> reportFromOutput(std::span<const std::uint8_t> written) {
    if (written.size() != sim::kHidReportSize + 1 || written[0] != 0) return std::nullopt;
    sim::HidReport report{};
    std::copy(written.begin() + 1, written.end(), report.begin());
    return report;
}

std::optional<sim::HidReport> reportKeepingNumber(std::span<const std::uint8_t> written) {
    if (written.size() < sim::kHidReportSize) return std::nullopt;
    sim::HidReport report{};
    std::copy(written.begin(), written.begin() + sim::kHidReportSize, report.begin());
    return report;
}

}  // namespace zeru::uhid
