// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/form_layout.h"

#include <initializer_list>

#include "settings/records.h"

namespace zeru {
namespace {

using S = SettingId;
using Ids = std::vector<SettingId>;

// The same fields of records `first` to `last`, record by record.
Ids records(SettingId (*field)(int, SettingId), int first, int last,
            std::initializer_list<SettingId> ofRecord1) {
    Ids out;
    for (int n = first; n <= last; ++n)
        for (SettingId f : ofRecord1) out.push_back(field(n, f));
    return out;
}

Ids radio() {
    return {S::Callsign,
            S::Ssid,
            S::Latitude,
            S::Longitude,
            S::Txdelay,
            S::Quiettime,
            S::Quiettime_randomize,
            S::Ptt,
            S::Squelch,
            S::Busydetect,
            S::Consecutive_packets,
            S::Output_level};
}

std::vector<GroupLayout> positionReports() {
    Ids encoding{S::Position_symbol_code, S::Position_symbol_table, S::Mice_message, S::Position_time};
    for (SettingId f : records(positionPath, 1, 3, {S::Position_path1, S::Position_ssid1}))
        encoding.push_back(f);
    for (SettingId f : {S::Position_status_text, S::Position_coursespeed, S::Position_altitude,
                        S::Position_reportonfixlost, S::Position_fixlost_interval})
        encoding.push_back(f);
    return {
        {"", {S::Position_report_mode}},
        {"SmartBeaconing:",
         {S::Smartbeaconing_min_turn_angle, S::Smartbeaconing_turn_slope, S::Smartbeaconing_min_turn_time,
          S::Smartbeaconing_slow_speed, S::Smartbeaconing_slow_period, S::Smartbeaconing_fast_speed,
          S::Smartbeaconing_fast_period}},
        {"Fixed time interval:", {S::Position_report_interval}},
        {"", {S::Position_report_encoding}},
        {"Report encoding settings:", std::move(encoding)},
    };
}

Ids reportSettings() {
    return {S::Tele_enable,           S::Teletitle,
            S::Tele_holdoff,          S::Teleparams_dest_string,
            S::Teleparams_dest_ssid,  S::Teleparams_path1_string,
            S::Teleparams_path1_ssid, S::Teleparams_path2_string,
            S::Teleparams_path2_ssid, S::Teleparams_txrate_rf,
            S::Teledata_dest_string,  S::Teledata_dest_ssid,
            S::Teledata_path1_string, S::Teledata_path1_ssid,
            S::Teledata_path2_string, S::Teledata_path2_ssid,
            S::Teledata_txrate_rf};
}

Ids weatherReports() {
    return {S::Weather_dest_string,  S::Weather_dest_ssid,  S::Weather_path1_string, S::Weather_path1_ssid,
            S::Weather_path2_string, S::Weather_path2_ssid, S::Weather_txrate,       S::Weather_enable,
            S::Weather_position,     S::Weather_comment};
}

// A page whose settings stand on the page itself, without a group frame.
PageLayout plain(std::string_view name, std::string_view caption, std::string_view parent, Ids settings) {
    return {name, caption, parent, {{"", std::move(settings)}}};
}

}  // namespace

std::vector<PageLayout> buildFormLayout() {
    // Table columns read left to right: a channel's name and units come before its source.
    const Ids analog =
        records(analogChannel, 1, 5,
                {S::Teleanalog1_name, S::Teleanalog1_units, S::Teleanalog1_source, S::Teleanalog1_coefa,
                 S::Teleanalog1_coefb, S::Teleanalog1_coefc, S::Teleanalog1_average});
    const std::initializer_list<SettingId> digital{S::Teledigital1_name, S::Teledigital1_units,
                                                   S::Teledigital1_source, S::Teledigital1_inverted};
    constexpr std::string_view kDigipeater = "TabSheet_digipeater";
    constexpr std::string_view kTelemetry = "TabSheet_telemetry_reports";
    constexpr std::string_view kExternal = "TabSheet_external_interfaces";
    return {
        plain("TabSheet_radio", "Radio", "", radio()),
        {"TabSheet_position_reports", "Position reports", "", positionReports()},
        {kDigipeater, "Digipeater", "", {}},
        plain("TabSheet_common_settings", "Common settings", kDigipeater, {S::Digion, S::Floodtimeout}),
        plain("TabSheet_simple_aliases", "Simple aliases", kDigipeater,
              records(alias, 1, 8, {S::Alias1_name, S::Alias1_ssid, S::Alias1_traceable, S::Alias1_enable})),
        plain("TabSheet_beacons", "Beacons", "",
              records(beacon, 1, 4,
                      {S::Beacon1_dest_string, S::Beacon1_dest_ssid, S::Beacon1_path1_string,
                       S::Beacon1_path1_ssid, S::Beacon1_path2_string, S::Beacon1_path2_ssid,
                       S::Beacon1_txrate, S::Beacon1_enable, S::Beacon1_message})),
        {kTelemetry, "Telemetry reports", "", {}},
        plain("TabSheet_report_settings", "Report settings", kTelemetry, reportSettings()),
        plain("TabSheet_analog_channels", "Analog channels", kTelemetry, analog),
        plain("TabSheet_digital_channels14", "Digital channels 1-4", kTelemetry,
              records(digitalChannel, 1, 4, digital)),
        plain("TabSheet_digital_channels58", "Digital channels 5-8", kTelemetry,
              records(digitalChannel, 5, 8, digital)),
        plain("TabSheet_orvaxe_outputs", "Orvaxe outputs", kTelemetry,
              {orvaxeOutput(1), orvaxeOutput(2), orvaxeOutput(3), orvaxeOutput(4)}),
        plain("TabSheet_weather_reports", "Weather reports", "", weatherReports()),
        {kExternal, "External interfaces", "", {}},
        // Port 1 (Bluetooth) is shown above port 2 (RS-232).
        plain("TabSheet_serial_ports", "Serial ports", kExternal, {S::Serial2_mode, S::Serial1_mode}),
        plain("TabSheet_bluetooth", "Bluetooth", kExternal, {S::Bluetooth_name, S::Bluetooth_password}),
        plain("TabSheet_rs485_port", "RS-485 port", kExternal,
              {S::RS485_mode, S::Telemodule_enable, S::Bitsmodule_enable}),
        plain("TabSheet_weather_station", "Weather station", kExternal, {S::Weather_stationtype}),
        {"TabSheet_serial_console",
         "Serial console",
         kExternal,
         {{"", {S::Console_baudrate}},
          {"Console debug messages:",
           {S::Debug_rf, S::Debug_ax25, S::Debug_weather, S::Debug_telemetry, S::Debug_bluetooth,
            S::Debug_gps, S::Debug_kiss, S::Debug_thermo}}}},
        plain("TabSheet_gps_receiver", "GPS receiver", kExternal, {S::GPS_baudrate}),
        plain("TabSheet_kiss", "KISS", kExternal, {S::Kiss_baudrate, S::Kiss_direction, S::Kiss_check}),
    };
}

}  // namespace zeru
