// SPDX-License-Identifier: GPL-3.0-or-later
// Maidenhead locators: fields of 20°×10°, squares of 2°×1°, subsquares of
// 5'×2.5' and extended squares of 30"×15".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "aprs/coordinates.h"

namespace zeru::aprs {

// The centre of the locator's smallest square; the text has 4, 6 or 8
// characters, letters in any case ("IM99sc", "jo82"); nullopt otherwise.
std::optional<Position> locatorCentre(std::string_view locator);

// The locator of `pairs` pairs (2, 3 or 4) that holds the position: "JO82lj".
std::string locatorOf(const Position& position, int pairs = 3);

}  // namespace zeru::aprs
