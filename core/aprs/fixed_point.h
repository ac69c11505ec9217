// SPDX-License-Identifier: GPL-3.0-or-later
// Fixed-point text of a double, both ways, independent of the C locale (the
// window sets it from the desktop's, and a decimal comma there must not change
// what is read or shown).
#pragma once

#include <string>
#include <string_view>

namespace zeru::aprs {

// `value` with exactly `places` decimals ("52.38", "-0.50").
std::string fixedPoint(double value, int places);

// The value of plain digits with at most one '.' ("12", "0.5", "3."); the
// caller has checked the form.
double parseFixedPoint(std::string_view digits);

}  // namespace zeru::aprs
