// SPDX-License-Identifier: GPL-3.0-or-later
// Where every setting stands in the form: the tree of pages in tab order, and
// on each page its settings in reading order, in runs that share a group frame
// ("SmartBeaconing:") or stand on the page itself (caption ""). It is the one
// statement of these facts, fixed at compile time: the catalogue takes each
// setting's page and group from it, the form description for the browser is
// built from it, and a window test checks that the window's pages show the same.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "settings/records.h"

namespace zeru {

struct GroupLayout {
    std::string_view caption;  // the group frame's caption, "" for fields on the page itself
    std::span<const SettingId> settings;
};

struct PageLayout {
    std::string_view name;     // objectName of the page (TabSheet_...)
    std::string_view caption;  // the tab's caption
    std::string_view parent;   // name of the page whose tab control holds it, "" at the top
    std::span<const GroupLayout> groups;
};

namespace form {

using S = SettingId;

// The same fields of records `first` to `first + Count - 1`, record by record.
template <std::size_t Count, std::size_t Fields>
constexpr std::array<SettingId, Count * Fields> records(SettingId (*field)(int, SettingId), int first,
                                                        const std::array<SettingId, Fields>& ofRecord1) {
    std::array<SettingId, Count * Fields> out{};
    std::size_t at = 0;
    for (int n = first; n < first + static_cast<int>(Count); ++n)
        for (SettingId f : ofRecord1) out[at++] = field(n, f);
    return out;
}

// clang-format off
inline constexpr std::array kRadio{
    S::Callsign, S::Ssid, S::Latitude, S::Longitude, S::Txdelay, S::Quiettime, S::Quiettime_randomize,
    S::Ptt, S::Squelch, S::Busydetect, S::Consecutive_packets, S::Output_level};
inline constexpr std::array kReportMode{S::Position_report_mode};
inline constexpr std::array kSmartBeaconing{
    S::Smartbeaconing_min_turn_angle, S::Smartbeaconing_turn_slope, S::Smartbeaconing_min_turn_time,
    S::Smartbeaconing_slow_speed, S::Smartbeaconing_slow_period, S::Smartbeaconing_fast_speed,
    S::Smartbeaconing_fast_period};
inline constexpr std::array kFixedInterval{S::Position_report_interval};
inline constexpr std::array kEncoding{S::Position_report_encoding};
inline constexpr std::array kEncodingSettings{
    S::Position_symbol_code, S::Position_symbol_table, S::Mice_message, S::Position_time,
    S::Position_path1, S::Position_ssid1, S::Position_path2, S::Position_ssid2,
    S::Position_path3, S::Position_ssid3, S::Position_status_text, S::Position_coursespeed,
    S::Position_altitude, S::Position_reportonfixlost, S::Position_fixlost_interval};
inline constexpr std::array kCommonSettings{S::Digion, S::Floodtimeout};
inline constexpr auto kAliases = records<8>(alias, 1,
    std::array{S::Alias1_name, S::Alias1_ssid, S::Alias1_traceable, S::Alias1_enable});
inline constexpr auto kBeacons = records<4>(beacon, 1,
    std::array{S::Beacon1_dest_string, S::Beacon1_dest_ssid, S::Beacon1_path1_string, S::Beacon1_path1_ssid,
               S::Beacon1_path2_string, S::Beacon1_path2_ssid, S::Beacon1_txrate, S::Beacon1_enable,
               S::Beacon1_message});
inline constexpr std::array kReportSettings{
    S::Tele_enable, S::Teletitle, S::Tele_holdoff,
    S::Teleparams_dest_string, S::Teleparams_dest_ssid, S::Teleparams_path1_string, S::Teleparams_path1_ssid,
    S::Teleparams_path2_string, S::Teleparams_path2_ssid, S::Teleparams_txrate_rf,
    S::Teledata_dest_string, S::Teledata_dest_ssid, S::Teledata_path1_string, S::Teledata_path1_ssid,
    S::Teledata_path2_string, S::Teledata_path2_ssid, S::Teledata_txrate_rf};
// Table columns read left to right: a channel's name and units come before its source.
inline constexpr auto kAnalogChannels = records<5>(analogChannel, 1,
    std::array{S::Teleanalog1_name, S::Teleanalog1_units, S::Teleanalog1_source, S::Teleanalog1_coefa,
               S::Teleanalog1_coefb, S::Teleanalog1_coefc, S::Teleanalog1_average});
inline constexpr std::array kDigitalColumns{
    S::Teledigital1_name, S::Teledigital1_units, S::Teledigital1_source, S::Teledigital1_inverted};
inline constexpr auto kDigitalChannels14 = records<4>(digitalChannel, 1, kDigitalColumns);
inline constexpr auto kDigitalChannels58 = records<4>(digitalChannel, 5, kDigitalColumns);
inline constexpr std::array kOrvaxeOutputs{S::Orvaxe_output1, S::Orvaxe_output2, S::Orvaxe_output3,
                                           S::Orvaxe_output4};
inline constexpr std::array kWeatherReports{
    S::Weather_dest_string, S::Weather_dest_ssid, S::Weather_path1_string, S::Weather_path1_ssid,
    S::Weather_path2_string, S::Weather_path2_ssid, S::Weather_txrate, S::Weather_enable,
    S::Weather_position, S::Weather_comment};
// Port 1 (Bluetooth) is shown above port 2 (RS-232).
inline constexpr std::array kSerialPorts{S::Serial2_mode, S::Serial1_mode};
inline constexpr std::array kBluetooth{S::Bluetooth_name, S::Bluetooth_password};
inline constexpr std::array kRs485Port{S::RS485_mode, S::Telemodule_enable, S::Bitsmodule_enable};
inline constexpr std::array kWeatherStation{S::Weather_stationtype};
inline constexpr std::array kConsole{S::Console_baudrate};
inline constexpr std::array kConsoleDebug{
    S::Debug_rf, S::Debug_ax25, S::Debug_weather, S::Debug_telemetry, S::Debug_bluetooth,
    S::Debug_gps, S::Debug_kiss, S::Debug_thermo};
inline constexpr std::array kGpsReceiver{S::GPS_baudrate};
inline constexpr std::array kKiss{S::Kiss_baudrate, S::Kiss_direction, S::Kiss_check};

// The groups of each page.
template <const auto& Settings>
inline constexpr std::array<GroupLayout, 1> kPlain{{{"", Settings}}};
inline constexpr std::array<GroupLayout, 5> kPositionReportGroups{{
    {"", kReportMode},
    {"SmartBeaconing:", kSmartBeaconing},
    {"Fixed time interval:", kFixedInterval},
    {"", kEncoding},
    {"Report encoding settings:", kEncodingSettings},
}};
inline constexpr std::array<GroupLayout, 2> kSerialConsoleGroups{{
    {"", kConsole},
    {"Console debug messages:", kConsoleDebug},
}};

inline constexpr std::string_view kDigipeater = "TabSheet_digipeater";
inline constexpr std::string_view kTelemetry = "TabSheet_telemetry_reports";
inline constexpr std::string_view kExternal = "TabSheet_external_interfaces";
// clang-format on

}  // namespace form

// Every page, a parent before its second-level pages, in tab order.
// clang-format off
inline constexpr std::array<PageLayout, 21> kFormLayout{{
    {"TabSheet_radio", "Radio", "", form::kPlain<form::kRadio>},
    {"TabSheet_position_reports", "Position reports", "", form::kPositionReportGroups},
    {form::kDigipeater, "Digipeater", "", {}},
    {"TabSheet_common_settings", "Common settings", form::kDigipeater, form::kPlain<form::kCommonSettings>},
    {"TabSheet_simple_aliases", "Simple aliases", form::kDigipeater, form::kPlain<form::kAliases>},
    {"TabSheet_beacons", "Beacons", "", form::kPlain<form::kBeacons>},
    {form::kTelemetry, "Telemetry reports", "", {}},
    {"TabSheet_report_settings", "Report settings", form::kTelemetry, form::kPlain<form::kReportSettings>},
    {"TabSheet_analog_channels", "Analog channels", form::kTelemetry, form::kPlain<form::kAnalogChannels>},
    {"TabSheet_digital_channels14", "Digital channels 1-4", form::kTelemetry, form::kPlain<form::kDigitalChannels14>},
    {"TabSheet_digital_channels58", "Digital channels 5-8", form::kTelemetry, form::kPlain<form::kDigitalChannels58>},
    {"TabSheet_orvaxe_outputs", "Orvaxe outputs", form::kTelemetry, form::kPlain<form::kOrvaxeOutputs>},
    {"TabSheet_weather_reports", "Weather reports", "", form::kPlain<form::kWeatherReports>},
    {form::kExternal, "External interfaces", "", {}},
    {"TabSheet_serial_ports", "Serial ports", form::kExternal, form::kPlain<form::kSerialPorts>},
    {"TabSheet_bluetooth", "Bluetooth", form::kExternal, form::kPlain<form::kBluetooth>},
    {"TabSheet_rs485_port", "RS-485 port", form::kExternal, form::kPlain<form::kRs485Port>},
    {"TabSheet_weather_station", "Weather station", form::kExternal, form::kPlain<form::kWeatherStation>},
    {"TabSheet_serial_console", "Serial console", form::kExternal, form::kSerialConsoleGroups},
    {"TabSheet_gps_receiver", "GPS receiver", form::kExternal, form::kPlain<form::kGpsReceiver>},
    {"TabSheet_kiss", "KISS", form::kExternal, form::kPlain<form::kKiss>},
}};
// clang-format on

// Where a setting stands: its page and its group frame.
struct Placement {
    std::string_view page;
    std::string_view group;
};

// Each setting's place, found once by the compiler; a setting left off the
// form has an empty page, one placed twice is told by placedOnce.
inline constexpr auto kPlacements = [] {
    std::array<Placement, kSettingCount> at{};
    for (const PageLayout& page : kFormLayout)
        for (const GroupLayout& group : page.groups)
            for (SettingId id : group.settings) at[indexOf(id)] = {page.name, group.caption};
    return at;
}();

constexpr const Placement& placementOf(SettingId id) { return kPlacements[indexOf(id)]; }

namespace form {

constexpr bool everySettingPlacedOnce() {
    std::array<int, kSettingCount> placed{};
    for (const PageLayout& page : kFormLayout)
        for (const GroupLayout& group : page.groups)
            for (SettingId id : group.settings) ++placed[indexOf(id)];
    for (int count : placed)
        if (count != 1) return false;
    return true;
}

// A second-level page follows its parent, which holds tabs, not fields, and
// stands at the top; no page name is given twice.
constexpr bool pagesNestOnce() {
    for (std::size_t i = 0; i < kFormLayout.size(); ++i) {
        const PageLayout& page = kFormLayout[i];
        for (std::size_t j = 0; j < i; ++j)
            if (kFormLayout[j].name == page.name) return false;
        if (page.parent.empty()) continue;
        bool parentBefore = false;
        for (std::size_t j = 0; j < i; ++j)
            if (kFormLayout[j].name == page.parent)
                parentBefore = kFormLayout[j].parent.empty() && kFormLayout[j].groups.empty();
        if (!parentBefore) return false;
    }
    return true;
}

static_assert(everySettingPlacedOnce(), "every setting stands on the form exactly once");
static_assert(pagesNestOnce(), "a second-level page follows its top-level parent; page names are unique");

}  // namespace form

}  // namespace zeru
