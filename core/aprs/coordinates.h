// SPDX-License-Identifier: GPL-3.0-or-later
// Positions between the forms people copy from maps and the device's own
// coordinate texts: latitude DDMM.MMN, longitude DDDMM.MME.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zeru::aprs {

// Degrees, north and east positive.
struct Position {
    double latitude = 0;
    double longitude = 0;
};

// The device's texts for a position, rounded to the nearest hundredth of a
// minute (52.99999 is "5300.00N"). A position that would round onto 90° or
// 180°, which the device refuses, is kept just inside at 89°59.99' or
// 179°59.99'.
std::string deviceLatitude(double degrees);
std::string deviceLongitude(double degrees);

// The position the device's texts stand for; nullopt unless both pass the
// device's own syntax and range test.
std::optional<Position> fromDeviceTexts(std::string_view latitude, std::string_view longitude);

// A position as people write it, latitude first:
//   decimal degrees          "52.38467, 16.96900", "-33.9 151.2", "52.38467N 16.969E"
//   degrees, decimal minutes "52 23.080N 16 58.140E", "N52°23.080' E016°58.140'"
//   degrees, minutes, secs   "52°23'04.8\"N 16°58'08.4\"E"
//   the device's texts       "5223.08N 01658.14E"
//   a Maidenhead locator     "JO82lj" (4, 6 or 8 characters; its centre)
// Hemisphere letters may stand before or after a coordinate; without them a
// minus sign means south or west. nullopt when the text is none of these or
// lies outside ±90°/±180°.
std::optional<Position> parsePosition(std::string_view text);

// "52.38467, 16.96900": five decimals, about a metre.
std::string decimalDegrees(const Position& position);

}  // namespace zeru::aprs
