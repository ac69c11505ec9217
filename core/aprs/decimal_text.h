// SPDX-License-Identifier: GPL-3.0-or-later
// Decimal numbers as typed into text settings ("0.075", "-64") and as shown
// back to the user.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zeru::aprs {

// An optional sign, digits with at most one '.', nothing else (blanks around
// are ignored); nullopt otherwise. Exponents are not APRS telemetry syntax.
std::optional<double> parseDecimal(std::string_view text);

// `value` with `decimals` places, trailing zeros and a bare '.' dropped, and
// never "-0": 19.125 with 1 place is "19.1", 2.50 with 2 places "2.5".
std::string formatDecimal(double value, int decimals);

}  // namespace zeru::aprs
