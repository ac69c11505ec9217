// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration file's keys: its nine sections, the three header keys and
// one key for each of the 226 settings, as one table in the order a save
// writes them and a load reads them.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "settings/setting_id.h"

namespace zeru::cfgfile {

// How a key's value is written and read back.
enum class KeyForm {
    Header,  // a constant of the "!WARNING" section, no setting
    Text,    // a text setting, stored exactly as it stands
    Number,  // a text setting holding a whole number, stored in decimal
    Choice,  // a choice setting, stored as its index (-1: nothing selected)
    Flag,    // a choice setting stored as "0" (first entry) or "1" (anything else)
};

struct FileKey {
    std::string_view section;
    std::string_view key;
    SettingId setting;  // the setting it holds; header keys hold none (form Header)
    KeyForm form;
    // Setting keys: what a load applies when the key is missing or, for
    // number, choice and flag keys, not a whole number (choices as an index).
    // Header keys: the constant a save writes.
    std::string_view defaultText;
};

inline constexpr std::size_t kFileKeyCount = 229;

// Every key, in save and load order. Eight keys come after keys of other
// sections ("Telemodule_enable", "Bitsmodule_enable", "Weather_stationtype",
// "ConsoleBaudrate", "GPSBaudrate", "KISSBaudrate", "KISSDirection",
// "KISSCheck"); each still lands at the end of its own section, because a key
// new to a section is added as its last entry.
std::span<const FileKey> fileKeys();

// The key that holds a setting.
const FileKey& fileKeyOf(SettingId setting);

// The sections in the order a file written anew holds them.
inline constexpr std::array<std::string_view, 9> kFileSections{
    "!WARNING",  "Radio",   "PositionReports", "Digipeater", "Beacons",
    "Telemetry", "Weather", "SerialPorts",     "Debug",
};

inline constexpr std::string_view kHeaderSection = "!WARNING";
inline constexpr std::string_view kApplicationKey = "Application";
inline constexpr std::string_view kVersionKey = "Version";

}  // namespace zeru::cfgfile
