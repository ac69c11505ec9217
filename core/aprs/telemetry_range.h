// SPDX-License-Identifier: GPL-3.0-or-later
// The values an analog telemetry channel can report: receivers compute
// a·x² + b·x + c from the raw sample x, which runs from 0 to 255.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zeru::aprs {

struct AnalogRange {
    double low = 0;
    double high = 0;
    // Both ends with as many decimals as the larger end needs for three
    // significant digits: 0 and 19.125 show as "0" and "19.1".
    std::string lowText;
    std::string highText;
};

inline constexpr int kRawMaximum = 255;

// The smallest and largest value over x = 0..255; nullopt when a coefficient
// text is not a decimal number.
std::optional<AnalogRange> analogRange(std::string_view a, std::string_view b, std::string_view c);

}  // namespace zeru::aprs
