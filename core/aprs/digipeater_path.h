// SPDX-License-Identifier: GPL-3.0-or-later
// A digipeater path as people write it ("WIDE1-1,WIDE2-2", "WIDE1-1 WIDE2-1"),
// and the rows of address fields a path fills: what a paste into a path field
// needs.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/setting_id.h"

namespace zeru::aprs {

struct PathAddress {
    std::string call;  // 1 to 6 of A-Z and 0-9
    std::string ssid;  // "" or 0 to 15
};

// The addresses of `text`, separated by commas, spaces or both; small letters
// are taken as capitals. nullopt when any part is no address that can go on
// the air (another character, a call longer than 6, an SSID above 15) or
// there is none.
std::optional<std::vector<PathAddress>> parsePath(std::string_view text);

// One address of a path: its call and SSID settings.
struct PathField {
    SettingId call;
    SettingId ssid;
};
using PathRow = std::vector<PathField>;

// Every path of the settings (position reports, the four beacons, telemetry
// parameters and data, weather reports); not the destinations.
const std::vector<PathRow>& pathRows();

}  // namespace zeru::aprs
