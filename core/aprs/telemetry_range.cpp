// SPDX-License-Identifier: GPL-3.0-or-later
#include "aprs/telemetry_range.h"

#include <algorithm>
#include <cmath>

#include "aprs/decimal_text.h"

namespace zeru::aprs {

std::optional<AnalogRange> analogRange(std::string_view aText, std::string_view bText,
                                       std::string_view cText) {
    const auto a = parseDecimal(aText);
    const auto b = parseDecimal(bText);
    const auto c = parseDecimal(cText);
    if (!a || !b || !c) return std::nullopt;
    const auto at = [&](double x) { return *a * x * x + *b * x + *c; };
    double low = std::min(at(0), at(kRawMaximum));
    double high = std::max(at(0), at(kRawMaximum));
    // A parabola may turn inside the range: its vertex is then an end too.
    if (*a != 0) {
        const double vertex = -*b / (2 * *a);
        if (vertex > 0 && vertex < kRawMaximum) {
            low = std::min(low, at(vertex));
            high = std::max(high, at(vertex));
        }
    }
    const double magnitude = std::max(std::fabs(low), std::fabs(high));
    const int decimals =
        magnitude > 0 ? std::clamp(2 - static_cast<int>(std::floor(std::log10(magnitude))), 0, 6) : 0;
    return AnalogRange{low, high, formatDecimal(low, decimals), formatDecimal(high, decimals)};
}

}  // namespace zeru::aprs
