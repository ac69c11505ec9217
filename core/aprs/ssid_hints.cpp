// SPDX-License-Identifier: GPL-3.0-or-later
#include "aprs/ssid_hints.h"

#include <array>

#include "settings/whole_number.h"

namespace zeru::aprs {
namespace {

constexpr std::array<std::string_view, 16> kConventions = {
    "home station",                        // 0
    "extra station: digipeater, weather",  // 1
    "extra station: digipeater, weather",  // 2
    "extra station: digipeater, weather",  // 3
    "extra station: digipeater, weather",  // 4
    "other networks, phone apps",          // 5
    "special activity, satellite, camp",   // 6
    "handheld",                            // 7
    "boat, caravan or second mobile",      // 8
    "mobile",                              // 9
    "internet gateway",                    // 10
    "balloon or aircraft",                 // 11
    "one-way tracker, DTMF",               // 12
    "weather station",                     // 13
    "truck, full-time driver",             // 14
    "extra station: digipeater, weather",  // 15
};

}  // namespace

std::string_view ssidConvention(int ssid) {
    if (ssid < 0 || ssid > 15) return {};
    return kConventions[static_cast<std::size_t>(ssid)];
}

std::string ssidHint(std::string_view ssidText) {
    const auto ssid = parseWholeNumber(ssidText);
    if (!ssid || *ssid < 0 || *ssid > 15) return {};
    return "-" + std::to_string(*ssid) + ": " + std::string(ssidConvention(*ssid));
}

}  // namespace zeru::aprs
