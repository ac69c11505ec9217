// SPDX-License-Identifier: GPL-3.0-or-later
// Where every setting lives in the configuration block: offset, width and
// encoding of each field, as one table of named constants. The encoder and the
// decoder both read this table; neither holds an offset of its own.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "image/config_image.h"
#include "image/field_list.h"
#include "settings/catalogue.h"
#include "settings/records.h"

namespace zeru::layout {

using S = SettingId;

enum class Encoding {
    U8,             // unsigned 8-bit number
    U16,            // unsigned 16-bit number, little-endian
    U32,            // unsigned 32-bit number, little-endian
    Choice,         // selected index in one byte, 255 for no selection
    Choice32,       // selected index in 32 bits, 0xFFFFFFFF for no selection
    Char,           // first character of a text, 0 when empty
    Text,           // characters followed by a 0 byte, the rest of the field 0
    Station,        // six name characters padded with spaces, then '0' + SSID
    ChoiceFromTop,  // selected index in one byte, stored as kMiceMessageTop minus it
};

struct Field {
    SettingId setting{};
    std::size_t offset = 0;
    Encoding encoding = Encoding::U8;
    std::size_t width = 1;     // bytes in the image
    std::size_t maxChars = 0;  // Text: the most characters the device takes
    SettingId ssidSetting{};   // Station: the SSID half of the address entry

    friend constexpr bool operator==(const Field&, const Field&) = default;
};

inline constexpr std::uint8_t kNoSelection = 255;  // Choice: the byte of no selection
inline constexpr std::size_t kStationWidth = 7;
inline constexpr std::size_t kStationNameChars = 6;

constexpr Field u8(SettingId s, std::size_t o) { return {s, o, Encoding::U8, 1}; }
constexpr Field u16(SettingId s, std::size_t o) { return {s, o, Encoding::U16, 2}; }
constexpr Field u32(SettingId s, std::size_t o) { return {s, o, Encoding::U32, 4}; }
constexpr Field choice(SettingId s, std::size_t o) { return {s, o, Encoding::Choice, 1}; }
constexpr Field choice32(SettingId s, std::size_t o) { return {s, o, Encoding::Choice32, 4}; }
constexpr Field character(SettingId s, std::size_t o) { return {s, o, Encoding::Char, 1}; }
// A text field of `width` bytes; by default it takes all but the terminator.
constexpr Field text(SettingId s, std::size_t o, std::size_t width, std::size_t maxChars = 0) {
    return {s, o, Encoding::Text, width, maxChars ? maxChars : width - 1};
}
constexpr Field station(SettingId name, SettingId ssid, std::size_t o) {
    return {name, o, Encoding::Station, kStationWidth, kStationNameChars, ssid};
}

// Fixed content of the block.
inline constexpr std::size_t kChecksumOffset = 0;
inline constexpr std::size_t kWriteStampOffset = 4;
inline constexpr std::size_t kConfigVersionWidth = 8;         // "v1.02" and zeros up to 13
inline constexpr std::size_t kCallsignTerminatorOffset = 21;  // always 0
inline constexpr std::string_view kEndMarker = "END";

// Radio.
inline constexpr Field kCallsign = station(S::Callsign, S::Ssid, 14);
inline constexpr Field kTxdelay = u32(S::Txdelay, 24);
inline constexpr Field kQuiettime = u32(S::Quiettime, 28);
inline constexpr Field kQuiettimeRandomize = choice(S::Quiettime_randomize, 32);
inline constexpr Field kLatitude = text(S::Latitude, 33, 9);
inline constexpr Field kLongitude = text(S::Longitude, 42, 10);
inline constexpr Field kPtt = choice(S::Ptt, 52);
inline constexpr Field kSquelch = choice(S::Squelch, 53);
inline constexpr Field kBusydetect = choice(S::Busydetect, 54);
inline constexpr Field kConsecutivePackets = choice(S::Consecutive_packets, 55);
inline constexpr Field kOutputLevel = choice(S::Output_level, 56);

// Ports.
inline constexpr Field kSerial1Mode = choice(S::Serial1_mode, 57);
inline constexpr Field kSerial2Mode = choice(S::Serial2_mode, 58);
inline constexpr Field kBluetoothName = text(S::Bluetooth_name, 59, 21);
inline constexpr Field kBluetoothPassword = text(S::Bluetooth_password, 80, 5);
inline constexpr Field kRs485Mode = choice(S::RS485_mode, 85);
inline constexpr Field kGpsBaudrate = choice(S::GPS_baudrate, 86);
inline constexpr Field kConsoleBaudrate = choice(S::Console_baudrate, 87);
inline constexpr Field kKissBaudrate = choice(S::Kiss_baudrate, 88);
inline constexpr Field kKissDirection = choice(S::Kiss_direction, 89);
inline constexpr Field kKissCheck = choice(S::Kiss_check, 90);

// Position reports.
inline constexpr Field kPositionReportMode = choice(S::Position_report_mode, 92);
inline constexpr Field kPositionReportInterval = u16(S::Position_report_interval, 94);
inline constexpr Field kPositionFixlostInterval = u16(S::Position_fixlost_interval, 96);
inline constexpr Field kPositionReportEncoding = choice(S::Position_report_encoding, 98);
inline constexpr Field kPositionTime = choice(S::Position_time, 99);
inline constexpr std::array<Field, 3> kPositionPaths = {
    station(S::Position_path1, S::Position_ssid1, 100),
    station(S::Position_path2, S::Position_ssid2, 107),
    station(S::Position_path3, S::Position_ssid3, 114),
};
inline constexpr Field kPositionSymbolCode = character(S::Position_symbol_code, 121);
inline constexpr Field kPositionSymbolTable = character(S::Position_symbol_table, 122);
inline constexpr Field kPositionStatusText = text(S::Position_status_text, 123, 41);
// Stored as 7 minus the selected index: "Off Duty" is 7, "Emergency" 0.
inline constexpr Field kMiceMessage = {S::Mice_message, 164, Encoding::ChoiceFromTop, 1};
inline constexpr int kMiceMessageTop = 7;
inline constexpr Field kPositionCoursespeed = choice(S::Position_coursespeed, 165);
inline constexpr Field kPositionAltitude = choice(S::Position_altitude, 166);
inline constexpr Field kPositionReportonfixlost = choice(S::Position_reportonfixlost, 167);
inline constexpr std::array<Field, 7> kSmartBeaconing = {
    u16(S::Smartbeaconing_min_turn_angle, 168), u16(S::Smartbeaconing_turn_slope, 170),
    u16(S::Smartbeaconing_min_turn_time, 172),  u16(S::Smartbeaconing_slow_speed, 174),
    u16(S::Smartbeaconing_slow_period, 176),    u16(S::Smartbeaconing_fast_speed, 178),
    u16(S::Smartbeaconing_fast_period, 180),
};

// Digipeater.
inline constexpr Field kDigion = choice32(S::Digion, 184);
inline constexpr Field kFloodtimeout = u32(S::Floodtimeout, 188);

struct AliasRecord {
    Field station, traceable, enable;
    constexpr std::array<Field, 3> fields() const { return {station, traceable, enable}; }
};
constexpr AliasRecord aliasRecord(int n) {
    const std::size_t at = 192 + 9 * static_cast<std::size_t>(n - 1);
    return {station(alias(n, S::Alias1_name), alias(n, S::Alias1_ssid), at),
            choice(alias(n, S::Alias1_traceable), at + 7), choice(alias(n, S::Alias1_enable), at + 8)};
}
inline constexpr std::array<AliasRecord, 8> kAliases = {
    aliasRecord(1), aliasRecord(2), aliasRecord(3), aliasRecord(4),
    aliasRecord(5), aliasRecord(6), aliasRecord(7), aliasRecord(8),
};

// Beacons.
struct BeaconRecord {
    Field destination, path1, path2, txrate, enable, message;
    constexpr std::array<Field, 6> fields() const {
        return {destination, path1, path2, txrate, enable, message};
    }
};
constexpr BeaconRecord beaconRecord(int n) {
    const std::size_t at = 264 + 128 * static_cast<std::size_t>(n - 1);
    return {station(beacon(n, S::Beacon1_dest_string), beacon(n, S::Beacon1_dest_ssid), at),
            station(beacon(n, S::Beacon1_path1_string), beacon(n, S::Beacon1_path1_ssid), at + 7),
            station(beacon(n, S::Beacon1_path2_string), beacon(n, S::Beacon1_path2_ssid), at + 14),
            u32(beacon(n, S::Beacon1_txrate), at + 24),
            choice(beacon(n, S::Beacon1_enable), at + 28),
            text(beacon(n, S::Beacon1_message), at + 29, 99, 96)};
}
inline constexpr std::array<BeaconRecord, 4> kBeacons = {beaconRecord(1), beaconRecord(2), beaconRecord(3),
                                                         beaconRecord(4)};

// Weather reports.
inline constexpr Field kWeatherStationtype = choice(S::Weather_stationtype, 776);
inline constexpr Field kWeatherDest = station(S::Weather_dest_string, S::Weather_dest_ssid, 777);
inline constexpr Field kWeatherPath1 = station(S::Weather_path1_string, S::Weather_path1_ssid, 784);
inline constexpr Field kWeatherPath2 = station(S::Weather_path2_string, S::Weather_path2_ssid, 791);
inline constexpr Field kWeatherTxrate = u32(S::Weather_txrate, 800);
inline constexpr Field kWeatherEnable = choice(S::Weather_enable, 804);
inline constexpr Field kWeatherPosition = choice(S::Weather_position, 805);
inline constexpr Field kWeatherComment = text(S::Weather_comment, 806, 33);

// Telemetry.
inline constexpr Field kTeletitle = text(S::Teletitle, 840, 24);
inline constexpr Field kTeleEnable = choice(S::Tele_enable, 864);
inline constexpr Field kTelemoduleEnable = choice(S::Telemodule_enable, 865);
inline constexpr Field kBitsmoduleEnable = choice(S::Bitsmodule_enable, 866);
inline constexpr Field kTeledataDest = station(S::Teledata_dest_string, S::Teledata_dest_ssid, 867);
inline constexpr Field kTeledataPath1 = station(S::Teledata_path1_string, S::Teledata_path1_ssid, 874);
inline constexpr Field kTeledataPath2 = station(S::Teledata_path2_string, S::Teledata_path2_ssid, 881);
inline constexpr Field kTeledataTxrateRf = u16(S::Teledata_txrate_rf, 888);
inline constexpr Field kTeleparamsDest = station(S::Teleparams_dest_string, S::Teleparams_dest_ssid, 892);
inline constexpr Field kTeleparamsPath1 = station(S::Teleparams_path1_string, S::Teleparams_path1_ssid, 899);
inline constexpr Field kTeleparamsPath2 = station(S::Teleparams_path2_string, S::Teleparams_path2_ssid, 906);
inline constexpr Field kTeleparamsTxrateRf = u16(S::Teleparams_txrate_rf, 914);

struct AnalogRecord {
    Field source, name, units, coefa, coefb, coefc, average;
    constexpr std::array<Field, 7> fields() const {
        return {source, name, units, coefa, coefb, coefc, average};
    }
};
// clang-format off
constexpr AnalogRecord analogRecord(int n) {
    const std::size_t at = 918 + 45 * static_cast<std::size_t>(n - 1);
    return {choice(analogChannel(n, S::Teleanalog1_source), at),     text(analogChannel(n, S::Teleanalog1_name), at + 1, 8),
            text(analogChannel(n, S::Teleanalog1_units), at + 9, 8),  text(analogChannel(n, S::Teleanalog1_coefa), at + 17, 9),
            text(analogChannel(n, S::Teleanalog1_coefb), at + 26, 9), text(analogChannel(n, S::Teleanalog1_coefc), at + 35, 9),
            choice(analogChannel(n, S::Teleanalog1_average), at + 44)};
}
inline constexpr std::array<AnalogRecord, 5> kAnalogChannels = {analogRecord(1), analogRecord(2), analogRecord(3),
                                                                 analogRecord(4), analogRecord(5)};

struct DigitalRecord {
    Field source, name, units, inverted;
    constexpr std::array<Field, 4> fields() const { return {source, name, units, inverted}; }
};
constexpr DigitalRecord digitalRecord(int n) {
    const std::size_t at = 1143 + 16 * static_cast<std::size_t>(n - 1);
    return {choice(digitalChannel(n, S::Teledigital1_source), at), text(digitalChannel(n, S::Teledigital1_name), at + 1, 7),
            text(digitalChannel(n, S::Teledigital1_units), at + 8, 7), choice(digitalChannel(n, S::Teledigital1_inverted), at + 15)};
}
inline constexpr std::array<DigitalRecord, 8> kDigitalChannels = {
    digitalRecord(1), digitalRecord(2), digitalRecord(3), digitalRecord(4),
    digitalRecord(5), digitalRecord(6), digitalRecord(7), digitalRecord(8),
};

inline constexpr std::array<Field, 4> kOrvaxeOutputs = {
    choice(S::Orvaxe_output1, 1271), choice(S::Orvaxe_output2, 1272),
    choice(S::Orvaxe_output3, 1273), choice(S::Orvaxe_output4, 1274),
};
inline constexpr Field kTeleHoldoff = u8(S::Tele_holdoff, 1275);
inline constexpr std::array<Field, 8> kDebug = {
    choice(S::Debug_rf, 1276),        choice(S::Debug_ax25, 1277), choice(S::Debug_weather, 1278),
    choice(S::Debug_telemetry, 1279), choice(S::Debug_bluetooth, 1280), choice(S::Debug_gps, 1281),
    choice(S::Debug_kiss, 1282),      choice(S::Debug_thermo, 1283),
};

// The choices without a check that close both encoding and decoding, in their order.
inline constexpr std::array<Field, 17> kClosingChoices = {
    kRs485Mode, kTelemoduleEnable, kBitsmoduleEnable, kWeatherStationtype, kConsoleBaudrate,
    kDebug[0],  kDebug[1],         kDebug[2],         kDebug[3],           kDebug[4],
    kDebug[5],  kDebug[6],         kDebug[7],         kGpsBaudrate,        kKissBaudrate,
    kKissDirection, kKissCheck,
};
// clang-format on

static_assert(kDigitalChannels[7].inverted.offset == 1270);
static_assert(kAnalogChannels[4].average.offset == 1142);
static_assert(kBeacons[3].message.offset + kBeacons[3].message.width == 776);
static_assert(kAliases[7].enable.offset == 263);
static_assert(kEndMarkerOffset + kEndMarker.size() + 1 == kConfigBlockSize);

// Every field of the block, once, in the order of the constants above.
constexpr std::array<Field, 1> one(const Field& f) { return {f}; }
// clang-format off
inline constexpr auto kFields = join(
    one(kCallsign), one(kTxdelay), one(kQuiettime), one(kQuiettimeRandomize), one(kLatitude), one(kLongitude),
    one(kPtt), one(kSquelch), one(kBusydetect), one(kConsecutivePackets), one(kOutputLevel),
    one(kSerial1Mode), one(kSerial2Mode), one(kBluetoothName), one(kBluetoothPassword), one(kRs485Mode),
    one(kGpsBaudrate), one(kConsoleBaudrate), one(kKissBaudrate), one(kKissDirection), one(kKissCheck),
    one(kPositionReportMode), one(kPositionReportInterval), one(kPositionFixlostInterval),
    one(kPositionReportEncoding), one(kPositionTime), kPositionPaths, one(kPositionSymbolCode),
    one(kPositionSymbolTable), one(kPositionStatusText), one(kMiceMessage), one(kPositionCoursespeed),
    one(kPositionAltitude), one(kPositionReportonfixlost), kSmartBeaconing,
    one(kDigion), one(kFloodtimeout), recordFields(kAliases), recordFields(kBeacons),
    one(kWeatherStationtype), one(kWeatherDest), one(kWeatherPath1), one(kWeatherPath2), one(kWeatherTxrate),
    one(kWeatherEnable), one(kWeatherPosition), one(kWeatherComment),
    one(kTeletitle), one(kTeleEnable), one(kTelemoduleEnable), one(kBitsmoduleEnable), one(kTeledataDest),
    one(kTeledataPath1), one(kTeledataPath2), one(kTeledataTxrateRf), one(kTeleparamsDest), one(kTeleparamsPath1),
    one(kTeleparamsPath2), one(kTeleparamsTxrateRf), recordFields(kAnalogChannels), recordFields(kDigitalChannels),
    kOrvaxeOutputs, one(kTeleHoldoff), kDebug);
// clang-format on

// The settings that the image does not hold: none. A setting added to the
// catalogue gets a field above or is named here.
inline constexpr std::array<SettingId, 0> kNotInImage{};

// What the compiler proves of the table, so that a field misplaced, forgotten
// or given twice does not compile.
namespace checks {

constexpr bool widthFitsEncoding(const Field& f) {
    switch (f.encoding) {
        case Encoding::U8:
        case Encoding::Choice:
        case Encoding::ChoiceFromTop:
        case Encoding::Char:
            return f.width == 1;
        case Encoding::U16:
            return f.width == 2;
        case Encoding::U32:
        case Encoding::Choice32:
            return f.width == 4;
        case Encoding::Text:
            return f.maxChars > 0 && f.maxChars < f.width;  // room for the terminator
        case Encoding::Station:
            return f.width == kStationWidth && f.maxChars == kStationNameChars;
    }
    return false;
}

constexpr bool everySettingPlacedOnce() {
    std::array<int, kSettingCount> placed{};
    for (const Field& f : kFields) {
        ++placed[indexOf(f.setting)];
        if (f.encoding == Encoding::Station) ++placed[indexOf(f.ssidSetting)];  // the SSID half
    }
    for (SettingId s : kNotInImage) ++placed[indexOf(s)];
    for (int count : placed)
        if (count != 1) return false;
    return true;
}

// Every byte belongs to the fixed content or to one field at most.
constexpr bool fieldsApartAndClearOfFixedContent() {
    std::array<bool, kConfigBlockSize> taken{};
    const auto take = [&taken](std::size_t offset, std::size_t width) {
        if (offset + width > kConfigBlockSize) return false;
        for (std::size_t b = offset; b < offset + width; ++b) {
            if (taken[b]) return false;
            taken[b] = true;
        }
        return true;
    };
    const bool fixed = take(kChecksumOffset, 4) && take(kWriteStampOffset, 2) &&
                       take(kConfigVersionOffset, kConfigVersionWidth) &&
                       take(kCallsignTerminatorOffset, 1) && take(kEndMarkerOffset, kEndMarker.size() + 1);
    if (!fixed) return false;
    for (const Field& f : kFields)
        if (!take(f.offset, f.width)) return false;
    return true;
}

}  // namespace checks

static_assert(
    [] {
        for (const Field& f : kFields)
            if (!checks::widthFitsEncoding(f)) return false;
        return true;
    }(),
    "a field's width does not fit its encoding");
static_assert(checks::everySettingPlacedOnce(),
              "every setting has exactly one field (or is listed in kNotInImage)");
static_assert(checks::fieldsApartAndClearOfFixedContent(),
              "fields overlap, leave the block or cover its fixed content");
static_assert(kChecksumOffset + 4 == kWriteStampOffset && kWriteStampOffset + 2 == kConfigVersionOffset);

// How the image holds a setting: as a number, as a choice's index, or as characters.
enum class Stored { Nowhere, Number, Index, Characters };

inline constexpr auto kStoredAs = [] {
    std::array<Stored, kSettingCount> as{};
    for (const Field& f : kFields) {
        switch (f.encoding) {
            case Encoding::U8:
            case Encoding::U16:
            case Encoding::U32:
                as[indexOf(f.setting)] = Stored::Number;
                break;
            case Encoding::Choice:
            case Encoding::Choice32:
            case Encoding::ChoiceFromTop:
                as[indexOf(f.setting)] = Stored::Index;
                break;
            case Encoding::Station:
                as[indexOf(f.ssidSetting)] = Stored::Characters;  // '0' + SSID
                [[fallthrough]];
            case Encoding::Char:
            case Encoding::Text:
                as[indexOf(f.setting)] = Stored::Characters;
                break;
        }
    }
    return as;
}();

constexpr Stored storedAs(SettingId s) { return kStoredAs[indexOf(s)]; }

namespace checks {

// A field agrees with its setting in the catalogue: a number or characters
// hold a text setting, an index a choice whose every entry the byte tells
// apart from no selection; a text field takes every character a user can type.
constexpr bool fieldFitsTheCatalogue(const Field& f) {
    const SettingDef& d = settingsCatalogue().def(f.setting);
    const bool text = d.kind == SettingKind::Text;
    switch (f.encoding) {
        case Encoding::U8:
        case Encoding::U16:
        case Encoding::U32:
            return text;
        case Encoding::Choice:
            return !text && d.choices.size() <= kNoSelection;
        case Encoding::Choice32:
            return !text;
        case Encoding::ChoiceFromTop:  // every entry stored as the top minus its index
            return !text && d.choices.size() == static_cast<std::size_t>(kMiceMessageTop) + 1;
        case Encoding::Char:
            return text && d.maxLength == 1;
        case Encoding::Station:
            if (settingsCatalogue().def(f.ssidSetting).kind != SettingKind::Text) return false;
            [[fallthrough]];
        case Encoding::Text:
            return text && static_cast<std::size_t>(d.maxLength) <= f.maxChars;
    }
    return false;
}

}  // namespace checks

static_assert(
    [] {
        for (const Field& f : kFields)
            if (!checks::fieldFitsTheCatalogue(f)) return false;
        return true;
    }(),
    "a field agrees with its setting's kind, holds its choices and takes every character a user can type");

// Which field of kFields starts at each byte (kFields.size() for none): fields
// are told apart by their first byte, which the asserts above prove unique.
inline constexpr auto kFieldStartingAt = [] {
    std::array<std::size_t, kConfigBlockSize> at{};
    at.fill(kFields.size());
    for (std::size_t i = 0; i < kFields.size(); ++i) at[kFields[i].offset] = i;
    return at;
}();

// A list of fields that holds each field of the block exactly once, in any
// order: the order of encoding or of decoding.
template <std::size_t N>
constexpr bool holdsEveryFieldOnce(const std::array<Field, N>& list) {
    if (N != kFields.size()) return false;
    std::array<bool, kFields.size()> listed{};
    for (const Field& f : list) {
        if (f.offset >= kConfigBlockSize) return false;
        const std::size_t i = kFieldStartingAt[f.offset];
        if (i == kFields.size() || !(kFields[i] == f) || listed[i]) return false;
        listed[i] = true;
    }
    return true;  // N entries, none twice: every one
}

}  // namespace zeru::layout
