// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/station.h"

#include <algorithm>
#include <string>

#include "settings/whole_number.h"

namespace zeru {
namespace {

constexpr std::uint8_t kSpace = 0x20;
constexpr std::uint8_t kSsidZero = 0x30;
constexpr std::size_t kNameChars = 6;
constexpr std::int32_t kMaxSsid = 15;

std::uint8_t upper(char c) {
    const auto b = static_cast<std::uint8_t>(c);
    return (b >= 'a' && b <= 'z') ? static_cast<std::uint8_t>(b - 'a' + 'A') : b;
}

}  // namespace

bool EncodeStation(std::string_view name, std::string_view ssid, StationField destination) {
    if (name.size() > kNameChars) return false;
    std::int32_t value = 0;
    if (!name.empty()) {
        const auto parsed = parseWholeNumber(ssid);
        if (!parsed || *parsed < 0 || *parsed > kMaxSsid) return false;
        value = *parsed;
    }
    std::fill_n(destination.begin(), kNameChars, kSpace);
    std::transform(name.begin(), name.end(), destination.begin(), upper);
    destination[kNameChars] = static_cast<std::uint8_t>(kSsidZero + value);
    return true;
}

void DecodeStation(ConstStationField field, Settings& settings, SettingId nameSetting,
                   SettingId ssidSetting) {
    const auto nameBytes = field.first<kNameChars>();
    auto end = std::find(nameBytes.begin(), nameBytes.end(), std::uint8_t{0});
    while (end != nameBytes.begin() && *(end - 1) == kSpace) --end;
    settings.setText(nameSetting, std::string(nameBytes.begin(), end));
    const int ssid = static_cast<std::int8_t>(field[kNameChars]) - kSsidZero;
    settings.setText(ssidSetting, std::to_string(ssid));
}

}  // namespace zeru
