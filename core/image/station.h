// SPDX-License-Identifier: GPL-3.0-or-later
// The station field: an address entry (name and SSID) in seven bytes.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "settings/settings.h"

namespace zeru {

using StationField = std::span<std::uint8_t, 7>;
using ConstStationField = std::span<const std::uint8_t, 7>;

// Fills `destination` with the name in upper case padded with spaces and the
// SSID as '0' + SSID. An empty name gives six spaces and '0' whatever the SSID
// text. False, with `destination` untouched, when the SSID text is not a whole
// number in 0..15, or when the name does not fit its six characters.
bool EncodeStation(std::string_view name, std::string_view ssid, StationField destination);

// Sets the name setting (up to the first 0 byte, trailing spaces removed) and
// the SSID setting (byte 6 minus '0', taken as signed) from a station field.
void DecodeStation(ConstStationField field, Settings& settings, SettingId nameSetting, SettingId ssidSetting);

}  // namespace zeru
