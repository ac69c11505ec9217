// SPDX-License-Identifier: GPL-3.0-or-later
// What each SSID usually tells other APRS users about a station.
#pragma once

#include <string>
#include <string_view>

namespace zeru::aprs {

// The convention for SSID 0 to 15 ("home station" for 0, "mobile" for 9);
// "" for any other number.
std::string_view ssidConvention(int ssid);

// The hint for an SSID setting's text: "-9: mobile"; "" when the text is not
// a number from 0 to 15 (that is "Write config"'s to say).
std::string ssidHint(std::string_view ssidText);

}  // namespace zeru::aprs
