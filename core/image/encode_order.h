// SPDX-License-Identifier: GPL-3.0-or-later
// The device's order of checks when encoding: every field of the layout once,
// each with its check, the range it accepts and the name its refusals give it.
// The compiler proves that the order holds every field exactly once.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "image/layout.h"

namespace zeru::layout {

// How a refusal names a setting: "Beacon " 2 " path 1". The text is built only
// when a refusal is told, so a passing encoding allocates nothing for it.
struct Label {
    std::string_view prefix;
    int number = 0;
    std::string_view suffix{};

    std::string text() const {
        std::string out(prefix);
        if (number > 0) out += std::to_string(number);
        out += suffix;
        return out;
    }
};

enum class Check {
    Choice,             // a choice, stored as its index: never refused
    Callsign,           // the station's own address: not empty, then a station
    Latitude,           // DDMM.MMx
    Longitude,          // DDDMM.MMx
    Ranged,             // a whole number in lo..hi; `label` is the whole refusal
    RangedOrZero,       // the same, or 0
    Character,          // the first character of a text
    Text,               // a text that fits its field, without line breaks
    Station,            // an address entry: name and SSID
    Printable,          // a text the device shows as it is
    PrintableJoined,    // the same, with its line breaks dropped
    BluetoothName,      // letters or digits, at least one
    BluetoothPassword,  // exactly 4 digits
};

struct Step {
    Field field;
    Check check = Check::Choice;
    // How refusals name the setting; Ranged: the whole refusal. The checks of
    // one setting (Callsign, Latitude, Bluetooth...) word their own.
    Label label{};
    std::int32_t lo = 0, hi = 0;  // Ranged
    Label ssidLabel{};            // Station: names the entry in the SSID refusal
};

namespace steps {

constexpr Step choice(const Field& f) { return {f, Check::Choice}; }
constexpr Step ranged(const Field& f, std::int32_t lo, std::int32_t hi, Label refusal) {
    return {f, Check::Ranged, refusal, lo, hi};
}
constexpr Step rangedOrZero(const Field& f, std::int32_t lo, std::int32_t hi, Label refusal) {
    return {f, Check::RangedOrZero, refusal, lo, hi};
}
constexpr Step text(const Field& f, Label label) { return {f, Check::Text, label}; }
constexpr Step station(const Field& f, Label label) { return {f, Check::Station, label, 0, 0, label}; }
// Telemetry paths share one name in their SSID refusal.
constexpr Step station(const Field& f, Label label, Label ssidLabel) {
    return {f, Check::Station, label, 0, 0, ssidLabel};
}

constexpr std::array<Step, 3> alias(int n) {
    const AliasRecord& a = kAliases[static_cast<std::size_t>(n - 1)];
    return {station(a.station, {"Digipeater alias ", n}), choice(a.traceable), choice(a.enable)};
}

constexpr std::array<Step, 6> beacon(int n) {
    const BeaconRecord& b = kBeacons[static_cast<std::size_t>(n - 1)];
    return {station(b.destination, {"Beacon ", n, " destination"}),
            station(b.path1, {"Beacon ", n, " path 1"}),
            station(b.path2, {"Beacon ", n, " path 2"}),
            ranged(b.txrate, 5, 1440, {"Beacon ", n, " tx rate range error (5 - 1440)."}),
            choice(b.enable),
            {b.message, Check::PrintableJoined, {"Beacon ", n, " message"}}};
}

constexpr std::array<Step, 7> analogChannel(int n) {
    const AnalogRecord& c = kAnalogChannels[static_cast<std::size_t>(n - 1)];
    return {choice(c.source),
            text(c.name, {"Analog channel ", n, " name"}),
            text(c.units, {"Analog channel ", n, " units"}),
            text(c.coefa, {"Analog channel ", n, " coefficient A"}),
            text(c.coefb, {"Analog channel ", n, " coefficient B"}),
            text(c.coefc, {"Analog channel ", n, " coefficient C"}),
            choice(c.average)};
}

constexpr std::array<Step, 4> digitalChannel(int n) {
    const DigitalRecord& c = kDigitalChannels[static_cast<std::size_t>(n - 1)];
    return {choice(c.source), text(c.name, {"Digital channel ", n, " name"}),
            text(c.units, {"Digital channel ", n, " units"}), choice(c.inverted)};
}

template <std::size_t N>
constexpr std::array<Step, N> choices(const std::array<Field, N>& fields) {
    std::array<Step, N> out{};
    for (std::size_t i = 0; i < N; ++i) out[i] = choice(fields[i]);
    return out;
}

constexpr std::array<Step, 7> smartBeaconing() {
    constexpr std::array<std::string_view, 7> names = {
        "SmartBeaconing min turn angle", "SmartBeaconing turn slope",  "SmartBeaconing min turn time",
        "SmartBeaconing slow speed",     "SmartBeaconing slow period", "SmartBeaconing fast speed",
        "SmartBeaconing fast period",
    };
    std::array<Step, 7> out{};
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = ranged(kSmartBeaconing[i], 0, 65535, {names[i], 0, " - range error (0 - 65535)."});
    return out;
}

// clang-format off
inline constexpr std::array<Step, 12> kRadio = {{
    {kCallsign, Check::Callsign},
    {kLatitude, Check::Latitude},
    {kLongitude, Check::Longitude},
    ranged(kTxdelay, 200, 1000, {"Preamble len - range error (200 - 1000)."}),
    ranged(kQuiettime, 200, 3000, {"Quiet time - range error (200 - 3000)."}),
    choice(kQuiettimeRandomize), choice(kPtt), choice(kSquelch), choice(kBusydetect),
    choice(kConsecutivePackets), choice(kOutputLevel), choice(kPositionReportMode),
}};

inline constexpr std::array<Step, 1> kPositionInterval = {{
    ranged(kPositionReportInterval, 15, 3600, {"Position report interval range error (15 - 3600)."}),
}};

inline constexpr std::array<Step, 13> kPositionReports = {{
    choice(kPositionReportEncoding),
    choice(kMiceMessage),
    {kPositionSymbolCode, Check::Character, {"Position report symbol code"}},
    {kPositionSymbolTable, Check::Character, {"Position report symbol table"}},
    text(kPositionStatusText, {"Position report status text"}),
    choice(kPositionTime),
    station(kPositionPaths[0], {"Position report path ", 1}),
    station(kPositionPaths[1], {"Position report path ", 2}),
    station(kPositionPaths[2], {"Position report path ", 3}),
    choice(kPositionCoursespeed), choice(kPositionAltitude), choice(kPositionReportonfixlost),
    ranged(kPositionFixlostInterval, 60, 3600, {"Position report interval on fix lost range error (60 - 3600)."}),
}};

inline constexpr std::array<Step, 2> kDigipeater = {{
    choice(kDigion),
    ranged(kFloodtimeout, 15, 180, {"Antiflood timeout - range error (15 - 180)."}),
}};

inline constexpr std::array<Step, 11> kTelemetry = {{
    station(kTeledataDest, {"Telemetry data destination"}),
    station(kTeledataPath1, {"Telemetry data path 1"}, {"Telemetry data path"}),
    station(kTeledataPath2, {"Telemetry data path 2"}, {"Telemetry data path"}),
    rangedOrZero(kTeledataTxrateRf, 5, 1440, {"Telemetry data tx rate (RF) range error (5 - 1440)."}),
    station(kTeleparamsDest, {"Telemetry parameters destination"}),
    station(kTeleparamsPath1, {"Telemetry parameters path 1"}, {"Telemetry parameters path"}),
    station(kTeleparamsPath2, {"Telemetry parameters path 2"}, {"Telemetry parameters path"}),
    rangedOrZero(kTeleparamsTxrateRf, 5, 1440, {"Telemetry parameters tx rate (RF) range error (5 - 1440)."}),
    text(kTeletitle, {"Telemetry project title"}),
    choice(kTeleEnable),
    ranged(kTeleHoldoff, 0, 250, {"First telemetry data packet delay range error (0 - 250)."}),
}};

inline constexpr std::array<Step, 11> kWeatherAndPorts = {{
    station(kWeatherDest, {"Weather destination"}),
    station(kWeatherPath1, {"Weather path 1"}),
    station(kWeatherPath2, {"Weather path 2"}),
    ranged(kWeatherTxrate, 5, 1440, {"Weather report tx rate range error (5 - 1440)."}),
    choice(kWeatherEnable), choice(kWeatherPosition),
    {kWeatherComment, Check::Printable, {"Weather report comment"}},
    choice(kSerial1Mode), choice(kSerial2Mode),
    {kBluetoothName, Check::BluetoothName},
    {kBluetoothPassword, Check::BluetoothPassword},
}};
// clang-format on

}  // namespace steps

// Every field in the order the device checks them.
inline constexpr auto kEncodeOrder = [] {
    using namespace steps;
    return join(kRadio, kPositionInterval, smartBeaconing(), kPositionReports, kDigipeater,      //
                alias(1), alias(2), alias(3), alias(4), alias(5), alias(6), alias(7), alias(8),  //
                beacon(1), beacon(2), beacon(3), beacon(4), kTelemetry,                          //
                analogChannel(1), analogChannel(2), analogChannel(3), analogChannel(4), analogChannel(5),
                digitalChannel(1), digitalChannel(2), digitalChannel(3), digitalChannel(4), digitalChannel(5),
                digitalChannel(6), digitalChannel(7), digitalChannel(8), choices(kOrvaxeOutputs),
                kWeatherAndPorts, choices(kClosingChoices));
}();

// A step's check suits its field's encoding, and a range never lets a number
// past what its field holds, so nothing is ever stored wrapped.
constexpr bool checkSuitsField(const Step& s) {
    const Encoding e = s.field.encoding;
    switch (s.check) {
        case Check::Choice:
            return e == Encoding::Choice || e == Encoding::Choice32 || e == Encoding::ChoiceFromTop;
        case Check::Ranged:
        case Check::RangedOrZero: {
            const std::int64_t top = e == Encoding::U8 ? 0xFF : e == Encoding::U16 ? 0xFFFF : 0x7FFFFFFF;
            const bool number = e == Encoding::U8 || e == Encoding::U16 || e == Encoding::U32;
            return number && 0 <= s.lo && s.lo <= s.hi && s.hi <= top;
        }
        case Check::Callsign:
        case Check::Station:
            return e == Encoding::Station;
        case Check::Character:
            return e == Encoding::Char;
        case Check::Latitude:
        case Check::Longitude:
        case Check::Text:
        case Check::Printable:
        case Check::PrintableJoined:
        case Check::BluetoothName:
        case Check::BluetoothPassword:
            return e == Encoding::Text;
    }
    return false;
}

static_assert(
    [] {
        for (const Step& s : kEncodeOrder)
            if (!checkSuitsField(s)) return false;
        return true;
    }(),
    "each check suits its field, and no range passes what its field holds");
static_assert(
    [] {
        std::array<Field, kEncodeOrder.size()> fields{};
        for (std::size_t i = 0; i < fields.size(); ++i) fields[i] = kEncodeOrder[i].field;
        return holdsEveryFieldOnce(fields);
    }(),
    "the encoding checks every field once");

}  // namespace zeru::layout
