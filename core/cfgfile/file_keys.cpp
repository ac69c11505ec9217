// SPDX-License-Identifier: GPL-3.0-or-later
#include "cfgfile/file_keys.h"

#include <algorithm>

#include "image/layout.h"
#include "settings/catalogue.h"
#include "settings/records.h"

namespace zeru::cfgfile {
namespace {

using S = SettingId;

// One row per key. Choice and flag defaults are indices: see the choice lists
// of the catalogue for the entries they select. Each default is the setting's
// start-up value, except for those in kLoadsOtherThanStartUp below.
// clang-format off
constexpr std::array<FileKey, kFileKeyCount> kFileKeys{{
    // [!WARNING]
    {"!WARNING", "WARNING", {}, KeyForm::Header, "Please do not try to modify this file. It should be managed with Kestrovane configurator program."},
    {"!WARNING", "Application", {}, KeyForm::Header, "Kestrovane Zeru Configurator"},
    {"!WARNING", "Version", {}, KeyForm::Header, "v1.02"},
    // [Radio]
    {"Radio", "Callsign", S::Callsign, KeyForm::Text, "NOCALL"},
    {"Radio", "SSID", S::Ssid, KeyForm::Text, "0"},
    {"Radio", "Latitude", S::Latitude, KeyForm::Text, "5223.08N"},
    {"Radio", "Longitude", S::Longitude, KeyForm::Text, "01658.14E"},
    {"Radio", "TXdelay", S::Txdelay, KeyForm::Number, "250"},
    {"Radio", "Quiettime", S::Quiettime, KeyForm::Number, "400"},
    {"Radio", "Quiettime_randomize", S::Quiettime_randomize, KeyForm::Choice, "3"},
    {"Radio", "PTT", S::Ptt, KeyForm::Choice, "0"},
    {"Radio", "Squelch", S::Squelch, KeyForm::Choice, "0"},
    {"Radio", "Busydetect", S::Busydetect, KeyForm::Choice, "0"},
    {"Radio", "Consecutive_packets", S::Consecutive_packets, KeyForm::Choice, "0"},
    {"Radio", "Output_level", S::Output_level, KeyForm::Choice, "0"},
    // [PositionReports]
    {"PositionReports", "ReportMode", S::Position_report_mode, KeyForm::Choice, "2"},
    {"PositionReports", "MinTurnAngle", S::Smartbeaconing_min_turn_angle, KeyForm::Number, "27"},
    {"PositionReports", "TurnSlope", S::Smartbeaconing_turn_slope, KeyForm::Number, "410"},
    {"PositionReports", "MinTurnTime", S::Smartbeaconing_min_turn_time, KeyForm::Number, "5"},
    {"PositionReports", "SlowSpeed", S::Smartbeaconing_slow_speed, KeyForm::Number, "8"},
    {"PositionReports", "SlowPeriod", S::Smartbeaconing_slow_period, KeyForm::Number, "1800"},
    {"PositionReports", "FastSpeed", S::Smartbeaconing_fast_speed, KeyForm::Number, "95"},
    {"PositionReports", "FastPeriod", S::Smartbeaconing_fast_period, KeyForm::Number, "90"},
    {"PositionReports", "ReportInterval", S::Position_report_interval, KeyForm::Number, "60"},
    {"PositionReports", "ReportEncoding", S::Position_report_encoding, KeyForm::Choice, "0"},
    {"PositionReports", "SymbolCode", S::Position_symbol_code, KeyForm::Text, ">"},
    {"PositionReports", "SymbolTable", S::Position_symbol_table, KeyForm::Text, "/"},
    {"PositionReports", "MiceMessage", S::Mice_message, KeyForm::Choice, "0"},
    {"PositionReports", "Path1", S::Position_path1, KeyForm::Text, "WIDE1"},
    {"PositionReports", "SSID1", S::Position_ssid1, KeyForm::Text, "1"},
    {"PositionReports", "Path2", S::Position_path2, KeyForm::Text, "WIDE2"},
    {"PositionReports", "SSID2", S::Position_ssid2, KeyForm::Text, "1"},
    {"PositionReports", "Path3", S::Position_path3, KeyForm::Text, ""},
    {"PositionReports", "SSID3", S::Position_ssid3, KeyForm::Text, ""},
    {"PositionReports", "Status", S::Position_status_text, KeyForm::Text, ""},
    {"PositionReports", "PositionTime", S::Position_time, KeyForm::Choice, "2"},
    {"PositionReports", "CourseSpeed", S::Position_coursespeed, KeyForm::Choice, "1"},
    {"PositionReports", "ReportOnFixLost", S::Position_reportonfixlost, KeyForm::Choice, "1"},
    {"PositionReports", "FixlostInterval", S::Position_fixlost_interval, KeyForm::Number, "600"},
    {"PositionReports", "PositionAltitude", S::Position_altitude, KeyForm::Choice, "1"},
    // [Digipeater]
    {"Digipeater", "Digion", S::Digion, KeyForm::Choice, "1"},
    {"Digipeater", "Floodtimeout", S::Floodtimeout, KeyForm::Number, "60"},
    {"Digipeater", "Digi1_alias", S::Alias1_name, KeyForm::Text, "WIDE1"},
    {"Digipeater", "Digi1_SSID", S::Alias1_ssid, KeyForm::Text, "1"},
    {"Digipeater", "Digi1_traceable", S::Alias1_traceable, KeyForm::Choice, "1"},
    {"Digipeater", "Digi1_enable", S::Alias1_enable, KeyForm::Flag, "1"},
    {"Digipeater", "Digi2_alias", S::Alias2_name, KeyForm::Text, ""},
    {"Digipeater", "Digi2_SSID", S::Alias2_ssid, KeyForm::Text, ""},
    {"Digipeater", "Digi2_traceable", S::Alias2_traceable, KeyForm::Choice, "0"},
    {"Digipeater", "Digi2_enable", S::Alias2_enable, KeyForm::Flag, "0"},
    {"Digipeater", "Digi3_alias", S::Alias3_name, KeyForm::Text, ""},
    {"Digipeater", "Digi3_SSID", S::Alias3_ssid, KeyForm::Text, ""},
    {"Digipeater", "Digi3_traceable", S::Alias3_traceable, KeyForm::Choice, "0"},
    {"Digipeater", "Digi3_enable", S::Alias3_enable, KeyForm::Flag, "0"},
    {"Digipeater", "Digi4_alias", S::Alias4_name, KeyForm::Text, ""},
    {"Digipeater", "Digi4_SSID", S::Alias4_ssid, KeyForm::Text, ""},
    {"Digipeater", "Digi4_traceable", S::Alias4_traceable, KeyForm::Choice, "0"},
    {"Digipeater", "Digi4_enable", S::Alias4_enable, KeyForm::Flag, "0"},
    {"Digipeater", "Digi5_alias", S::Alias5_name, KeyForm::Text, ""},
    {"Digipeater", "Digi5_SSID", S::Alias5_ssid, KeyForm::Text, ""},
    {"Digipeater", "Digi5_traceable", S::Alias5_traceable, KeyForm::Choice, "0"},
    {"Digipeater", "Digi5_enable", S::Alias5_enable, KeyForm::Flag, "0"},
    {"Digipeater", "Digi6_alias", S::Alias6_name, KeyForm::Text, ""},
    {"Digipeater", "Digi6_SSID", S::Alias6_ssid, KeyForm::Text, ""},
    {"Digipeater", "Digi6_traceable", S::Alias6_traceable, KeyForm::Choice, "0"},
    {"Digipeater", "Digi6_enable", S::Alias6_enable, KeyForm::Flag, "0"},
    {"Digipeater", "Digi7_alias", S::Alias7_name, KeyForm::Text, ""},
    {"Digipeater", "Digi7_SSID", S::Alias7_ssid, KeyForm::Text, ""},
    {"Digipeater", "Digi7_traceable", S::Alias7_traceable, KeyForm::Choice, "0"},
    {"Digipeater", "Digi7_enable", S::Alias7_enable, KeyForm::Flag, "0"},
    {"Digipeater", "Digi8_alias", S::Alias8_name, KeyForm::Text, ""},
    {"Digipeater", "Digi8_SSID", S::Alias8_ssid, KeyForm::Text, ""},
    {"Digipeater", "Digi8_traceable", S::Alias8_traceable, KeyForm::Choice, "0"},
    {"Digipeater", "Digi8_enable", S::Alias8_enable, KeyForm::Flag, "0"},
    // [Beacons]
    {"Beacons", "Beacon1_dest_string", S::Beacon1_dest_string, KeyForm::Text, "APKV07"},
    {"Beacons", "Beacon1_dest_ssid", S::Beacon1_dest_ssid, KeyForm::Text, "0"},
    {"Beacons", "Beacon1_path1_string", S::Beacon1_path1_string, KeyForm::Text, "WIDE1"},
    {"Beacons", "Beacon1_path1_ssid", S::Beacon1_path1_ssid, KeyForm::Text, "1"},
    {"Beacons", "Beacon1_path2_string", S::Beacon1_path2_string, KeyForm::Text, "WIDE2"},
    {"Beacons", "Beacon1_path2_ssid", S::Beacon1_path2_ssid, KeyForm::Text, "1"},
    {"Beacons", "Beacon1_txrate", S::Beacon1_txrate, KeyForm::Number, "30"},
    {"Beacons", "Beacon1_enable", S::Beacon1_enable, KeyForm::Choice, "2"},
    {"Beacons", "Beacon1_msg", S::Beacon1_message, KeyForm::Text, "/<gpsdate>z<gpslat>/<gpslong>>Kestrovane U=<volt>V."},
    {"Beacons", "Beacon2_dest_string", S::Beacon2_dest_string, KeyForm::Text, "APKV07"},
    {"Beacons", "Beacon2_dest_ssid", S::Beacon2_dest_ssid, KeyForm::Text, "0"},
    {"Beacons", "Beacon2_path1_string", S::Beacon2_path1_string, KeyForm::Text, "WIDE1"},
    {"Beacons", "Beacon2_path1_ssid", S::Beacon2_path1_ssid, KeyForm::Text, "1"},
    {"Beacons", "Beacon2_path2_string", S::Beacon2_path2_string, KeyForm::Text, "WIDE2"},
    {"Beacons", "Beacon2_path2_ssid", S::Beacon2_path2_ssid, KeyForm::Text, "1"},
    {"Beacons", "Beacon2_txrate", S::Beacon2_txrate, KeyForm::Number, "5"},
    {"Beacons", "Beacon2_enable", S::Beacon2_enable, KeyForm::Choice, "0"},
    {"Beacons", "Beacon2_msg", S::Beacon2_message, KeyForm::Text, "!<statlat>/<statlong>>Kestrovane U=<volt>V."},
    {"Beacons", "Beacon3_dest_string", S::Beacon3_dest_string, KeyForm::Text, "APKV07"},
    {"Beacons", "Beacon3_dest_ssid", S::Beacon3_dest_ssid, KeyForm::Text, "0"},
    {"Beacons", "Beacon3_path1_string", S::Beacon3_path1_string, KeyForm::Text, "WIDE1"},
    {"Beacons", "Beacon3_path1_ssid", S::Beacon3_path1_ssid, KeyForm::Text, "1"},
    {"Beacons", "Beacon3_path2_string", S::Beacon3_path2_string, KeyForm::Text, "WIDE2"},
    {"Beacons", "Beacon3_path2_ssid", S::Beacon3_path2_ssid, KeyForm::Text, "1"},
    {"Beacons", "Beacon3_txrate", S::Beacon3_txrate, KeyForm::Number, "5"},
    {"Beacons", "Beacon3_enable", S::Beacon3_enable, KeyForm::Choice, "0"},
    {"Beacons", "Beacon3_msg", S::Beacon3_message, KeyForm::Text, "!<statlat>/<statlong>>Kestrovane U=<volt>V, T=<temp>C."},
    {"Beacons", "Beacon4_dest_string", S::Beacon4_dest_string, KeyForm::Text, "APKV07"},
    {"Beacons", "Beacon4_dest_ssid", S::Beacon4_dest_ssid, KeyForm::Text, "0"},
    {"Beacons", "Beacon4_path1_string", S::Beacon4_path1_string, KeyForm::Text, "WIDE1"},
    {"Beacons", "Beacon4_path1_ssid", S::Beacon4_path1_ssid, KeyForm::Text, "1"},
    {"Beacons", "Beacon4_path2_string", S::Beacon4_path2_string, KeyForm::Text, "WIDE2"},
    {"Beacons", "Beacon4_path2_ssid", S::Beacon4_path2_ssid, KeyForm::Text, "1"},
    {"Beacons", "Beacon4_txrate", S::Beacon4_txrate, KeyForm::Number, "5"},
    {"Beacons", "Beacon4_enable", S::Beacon4_enable, KeyForm::Choice, "0"},
    {"Beacons", "Beacon4_msg", S::Beacon4_message, KeyForm::Text, ""},
    // [Telemetry]
    {"Telemetry", "Teleparams_dest_string", S::Teleparams_dest_string, KeyForm::Text, "APKV07"},
    {"Telemetry", "Teleparams_dest_ssid", S::Teleparams_dest_ssid, KeyForm::Text, "0"},
    {"Telemetry", "Teleparams_path1_string", S::Teleparams_path1_string, KeyForm::Text, "WIDE1"},
    {"Telemetry", "Teleparams_path1_ssid", S::Teleparams_path1_ssid, KeyForm::Text, "1"},
    {"Telemetry", "Teleparams_path2_string", S::Teleparams_path2_string, KeyForm::Text, "WIDE2"},
    {"Telemetry", "Teleparams_path2_ssid", S::Teleparams_path2_ssid, KeyForm::Text, "1"},
    {"Telemetry", "Teleparams_txrate", S::Teleparams_txrate_rf, KeyForm::Number, "30"},
    {"Telemetry", "Teledata_dest_string", S::Teledata_dest_string, KeyForm::Text, "APKV07"},
    {"Telemetry", "Teledata_dest_ssid", S::Teledata_dest_ssid, KeyForm::Text, "0"},
    {"Telemetry", "Teledata_path1_string", S::Teledata_path1_string, KeyForm::Text, "WIDE1"},
    {"Telemetry", "Teledata_path1_ssid", S::Teledata_path1_ssid, KeyForm::Text, "1"},
    {"Telemetry", "Teledata_path2_string", S::Teledata_path2_string, KeyForm::Text, "WIDE2"},
    {"Telemetry", "Teledata_path2_ssid", S::Teledata_path2_ssid, KeyForm::Text, "1"},
    {"Telemetry", "Teledata_txrate", S::Teledata_txrate_rf, KeyForm::Number, "30"},
    {"Telemetry", "Teletitle", S::Teletitle, KeyForm::Text, "Telemetry test"},
    {"Telemetry", "Tele_holdoff", S::Tele_holdoff, KeyForm::Number, "60"},
    {"Telemetry", "Tele_enable", S::Tele_enable, KeyForm::Choice, "0"},
    {"Telemetry", "Teleanalog1_name", S::Teleanalog1_name, KeyForm::Text, "A1"},
    {"Telemetry", "Teleanalog1_units", S::Teleanalog1_units, KeyForm::Text, "None"},
    {"Telemetry", "Teleanalog1_source", S::Teleanalog1_source, KeyForm::Choice, "0"},
    {"Telemetry", "Teleanalog1_coefa", S::Teleanalog1_coefa, KeyForm::Text, "0"},
    {"Telemetry", "Teleanalog1_coefb", S::Teleanalog1_coefb, KeyForm::Text, "0"},
    {"Telemetry", "Teleanalog1_coefc", S::Teleanalog1_coefc, KeyForm::Text, "0"},
    {"Telemetry", "Teleanalog1_average", S::Teleanalog1_average, KeyForm::Choice, "0"},
    {"Telemetry", "Teleanalog2_name", S::Teleanalog2_name, KeyForm::Text, "A2"},
    {"Telemetry", "Teleanalog2_units", S::Teleanalog2_units, KeyForm::Text, "None"},
    {"Telemetry", "Teleanalog2_source", S::Teleanalog2_source, KeyForm::Choice, "0"},
    {"Telemetry", "Teleanalog2_coefa", S::Teleanalog2_coefa, KeyForm::Text, "0"},
    {"Telemetry", "Teleanalog2_coefb", S::Teleanalog2_coefb, KeyForm::Text, "0"},
    {"Telemetry", "Teleanalog2_coefc", S::Teleanalog2_coefc, KeyForm::Text, "0"},
    {"Telemetry", "Teleanalog2_average", S::Teleanalog2_average, KeyForm::Choice, "0"},
    {"Telemetry", "Teleanalog3_name", S::Teleanalog3_name, KeyForm::Text, "A3"},
    {"Telemetry", "Teleanalog3_units", S::Teleanalog3_units, KeyForm::Text, "None"},
    {"Telemetry", "Teleanalog3_source", S::Teleanalog3_source, KeyForm::Choice, "0"},
    {"Telemetry", "Teleanalog3_coefa", S::Teleanalog3_coefa, KeyForm::Text, "0"},
    {"Telemetry", "Teleanalog3_coefb", S::Teleanalog3_coefb, KeyForm::Text, "0"},
    {"Telemetry", "Teleanalog3_coefc", S::Teleanalog3_coefc, KeyForm::Text, "0"},
    {"Telemetry", "Teleanalog3_average", S::Teleanalog3_average, KeyForm::Choice, "0"},
    {"Telemetry", "Teleanalog4_name", S::Teleanalog4_name, KeyForm::Text, "A4"},
    {"Telemetry", "Teleanalog4_units", S::Teleanalog4_units, KeyForm::Text, "None"},
    {"Telemetry", "Teleanalog4_source", S::Teleanalog4_source, KeyForm::Choice, "0"},
    {"Telemetry", "Teleanalog4_coefa", S::Teleanalog4_coefa, KeyForm::Text, "0"},
    {"Telemetry", "Teleanalog4_coefb", S::Teleanalog4_coefb, KeyForm::Text, "0"},
    {"Telemetry", "Teleanalog4_coefc", S::Teleanalog4_coefc, KeyForm::Text, "0"},
    {"Telemetry", "Teleanalog4_average", S::Teleanalog4_average, KeyForm::Choice, "0"},
    {"Telemetry", "Teleanalog5_name", S::Teleanalog5_name, KeyForm::Text, "A5"},
    {"Telemetry", "Teleanalog5_units", S::Teleanalog5_units, KeyForm::Text, "None"},
    {"Telemetry", "Teleanalog5_source", S::Teleanalog5_source, KeyForm::Choice, "0"},
    {"Telemetry", "Teleanalog5_coefa", S::Teleanalog5_coefa, KeyForm::Text, "0"},
    {"Telemetry", "Teleanalog5_coefb", S::Teleanalog5_coefb, KeyForm::Text, "0"},
    {"Telemetry", "Teleanalog5_coefc", S::Teleanalog5_coefc, KeyForm::Text, "0"},
    {"Telemetry", "Teleanalog5_average", S::Teleanalog5_average, KeyForm::Choice, "0"},
    {"Telemetry", "Teledigital1_name", S::Teledigital1_name, KeyForm::Text, "B1"},
    {"Telemetry", "Teledigital1_label", S::Teledigital1_units, KeyForm::Text, "None"},
    {"Telemetry", "Teledigital1_source", S::Teledigital1_source, KeyForm::Choice, "0"},
    {"Telemetry", "Teledigital1_inverted", S::Teledigital1_inverted, KeyForm::Choice, "0"},
    {"Telemetry", "Teledigital2_name", S::Teledigital2_name, KeyForm::Text, "B2"},
    {"Telemetry", "Teledigital2_label", S::Teledigital2_units, KeyForm::Text, "None"},
    {"Telemetry", "Teledigital2_source", S::Teledigital2_source, KeyForm::Choice, "0"},
    {"Telemetry", "Teledigital2_inverted", S::Teledigital2_inverted, KeyForm::Choice, "0"},
    {"Telemetry", "Teledigital3_name", S::Teledigital3_name, KeyForm::Text, "B3"},
    {"Telemetry", "Teledigital3_label", S::Teledigital3_units, KeyForm::Text, "None"},
    {"Telemetry", "Teledigital3_source", S::Teledigital3_source, KeyForm::Choice, "0"},
    {"Telemetry", "Teledigital3_inverted", S::Teledigital3_inverted, KeyForm::Choice, "0"},
    {"Telemetry", "Teledigital4_name", S::Teledigital4_name, KeyForm::Text, "B4"},
    {"Telemetry", "Teledigital4_label", S::Teledigital4_units, KeyForm::Text, "None"},
    {"Telemetry", "Teledigital4_source", S::Teledigital4_source, KeyForm::Choice, "0"},
    {"Telemetry", "Teledigital4_inverted", S::Teledigital4_inverted, KeyForm::Choice, "0"},
    {"Telemetry", "Teledigital5_name", S::Teledigital5_name, KeyForm::Text, "B5"},
    {"Telemetry", "Teledigital5_label", S::Teledigital5_units, KeyForm::Text, "None"},
    {"Telemetry", "Teledigital5_source", S::Teledigital5_source, KeyForm::Choice, "0"},
    {"Telemetry", "Teledigital5_inverted", S::Teledigital5_inverted, KeyForm::Choice, "0"},
    {"Telemetry", "Teledigital6_name", S::Teledigital6_name, KeyForm::Text, "B6"},
    {"Telemetry", "Teledigital6_label", S::Teledigital6_units, KeyForm::Text, "Non"},
    {"Telemetry", "Teledigital6_source", S::Teledigital6_source, KeyForm::Choice, "0"},
    {"Telemetry", "Teledigital6_inverted", S::Teledigital6_inverted, KeyForm::Choice, "0"},
    {"Telemetry", "Teledigital7_name", S::Teledigital7_name, KeyForm::Text, "B7"},
    {"Telemetry", "Teledigital7_label", S::Teledigital7_units, KeyForm::Text, "Non"},
    {"Telemetry", "Teledigital7_source", S::Teledigital7_source, KeyForm::Choice, "0"},
    {"Telemetry", "Teledigital7_inverted", S::Teledigital7_inverted, KeyForm::Choice, "0"},
    {"Telemetry", "Teledigital8_name", S::Teledigital8_name, KeyForm::Text, "B8"},
    {"Telemetry", "Teledigital8_label", S::Teledigital8_units, KeyForm::Text, "Non"},
    {"Telemetry", "Teledigital8_source", S::Teledigital8_source, KeyForm::Choice, "0"},
    {"Telemetry", "Teledigital8_inverted", S::Teledigital8_inverted, KeyForm::Choice, "0"},
    {"Telemetry", "Orvaxe_output1", S::Orvaxe_output1, KeyForm::Choice, "0"},
    {"Telemetry", "Orvaxe_output2", S::Orvaxe_output2, KeyForm::Choice, "0"},
    {"Telemetry", "Orvaxe_output3", S::Orvaxe_output3, KeyForm::Choice, "0"},
    {"Telemetry", "Orvaxe_output4", S::Orvaxe_output4, KeyForm::Choice, "0"},
    // [Weather]
    {"Weather", "Weather_dest_string", S::Weather_dest_string, KeyForm::Text, "APKV07"},
    {"Weather", "Weather_dest_ssid", S::Weather_dest_ssid, KeyForm::Text, "0"},
    {"Weather", "Weather_path1_string", S::Weather_path1_string, KeyForm::Text, "WIDE1"},
    {"Weather", "Weather_path1_ssid", S::Weather_path1_ssid, KeyForm::Text, "1"},
    {"Weather", "Weather_path2_string", S::Weather_path2_string, KeyForm::Text, "WIDE2"},
    {"Weather", "Weather_path2_ssid", S::Weather_path2_ssid, KeyForm::Text, "1"},
    {"Weather", "Weather_txrate", S::Weather_txrate, KeyForm::Number, "5"},
    {"Weather", "Weather_enable", S::Weather_enable, KeyForm::Choice, "2"},
    {"Weather", "Weather_position", S::Weather_position, KeyForm::Choice, "1"},
    {"Weather", "Weather_comment", S::Weather_comment, KeyForm::Text, "Kestrovane weather"},
    // [SerialPorts]
    {"SerialPorts", "Serial1", S::Serial1_mode, KeyForm::Choice, "2"},
    {"SerialPorts", "Serial2", S::Serial2_mode, KeyForm::Choice, "2"},
    {"SerialPorts", "Bluetooth_name", S::Bluetooth_name, KeyForm::Text, "KestrovaneBlue"},
    {"SerialPorts", "Bluetooth_password", S::Bluetooth_password, KeyForm::Text, "7351"},
    {"SerialPorts", "RS485", S::RS485_mode, KeyForm::Choice, "1"},
    // Written after keys of other sections; each lands at the end of its own.
    // [Telemetry]
    {"Telemetry", "Telemodule_enable", S::Telemodule_enable, KeyForm::Choice, "0"},
    {"Telemetry", "Bitsmodule_enable", S::Bitsmodule_enable, KeyForm::Choice, "0"},
    // [Weather]
    {"Weather", "Weather_stationtype", S::Weather_stationtype, KeyForm::Choice, "0"},
    // [SerialPorts]
    {"SerialPorts", "ConsoleBaudrate", S::Console_baudrate, KeyForm::Choice, "4"},
    // [Debug]
    {"Debug", "Debug_rf", S::Debug_rf, KeyForm::Choice, "1"},
    {"Debug", "Debug_ax25", S::Debug_ax25, KeyForm::Choice, "1"},
    {"Debug", "Debug_weather", S::Debug_weather, KeyForm::Choice, "1"},
    {"Debug", "Debug_telemetry", S::Debug_telemetry, KeyForm::Choice, "1"},
    {"Debug", "Debug_bluetooth", S::Debug_bluetooth, KeyForm::Choice, "1"},
    {"Debug", "Debug_gps", S::Debug_gps, KeyForm::Choice, "1"},
    {"Debug", "Debug_kiss", S::Debug_kiss, KeyForm::Choice, "1"},
    {"Debug", "Debug_thermo", S::Debug_thermo, KeyForm::Choice, "1"},
    // [SerialPorts]
    {"SerialPorts", "GPSBaudrate", S::GPS_baudrate, KeyForm::Choice, "3"},
    {"SerialPorts", "KISSBaudrate", S::Kiss_baudrate, KeyForm::Choice, "0"},
    {"SerialPorts", "KISSDirection", S::Kiss_direction, KeyForm::Choice, "1"},
    {"SerialPorts", "KISSCheck", S::Kiss_check, KeyForm::Choice, "1"},
}};
// clang-format on

}  // namespace

std::span<const FileKey> fileKeys() { return kFileKeys; }

namespace {

// Position of each setting's key, found once by the compiler.
constexpr std::array<std::size_t, kSettingCount> kKeyOfSetting = [] {
    std::array<std::size_t, kSettingCount> at{};
    for (std::size_t i = 0; i < kFileKeys.size(); ++i)
        if (kFileKeys[i].form != KeyForm::Header) at[indexOf(kFileKeys[i].setting)] = i;
    return at;
}();

constexpr bool everySettingHasOneKey() {
    std::array<int, kSettingCount> keys{};
    for (const FileKey& k : kFileKeys)
        if (k.form != KeyForm::Header) ++keys[indexOf(k.setting)];
    for (int count : keys)
        if (count != 1) return false;
    return true;
}
static_assert(everySettingHasOneKey(), "each setting is stored under exactly one key");

// A key's form agrees with how the image holds its setting: a number key holds
// a number field, a choice or flag key a choice, a text key characters. (A
// setting the image does not hold has only the catalogue to agree with.)
constexpr bool formFitsTheImage(const FileKey& k) {
    using layout::Stored;
    if (k.form != KeyForm::Header && layout::storedAs(k.setting) == Stored::Nowhere) return true;
    switch (k.form) {
        case KeyForm::Header:
            return true;
        case KeyForm::Text:
            return layout::storedAs(k.setting) == Stored::Characters;
        case KeyForm::Number:
            return layout::storedAs(k.setting) == Stored::Number;
        case KeyForm::Choice:
        case KeyForm::Flag:
            return layout::storedAs(k.setting) == Stored::Index;
    }
    return false;
}

constexpr bool isDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// What a load applies must be something it can apply: a whole number (an index
// for choices), "0" or "1" for a flag.
constexpr bool defaultFitsTheForm(const FileKey& k) {
    switch (k.form) {
        case KeyForm::Header:
        case KeyForm::Text:
            return true;
        case KeyForm::Number:
        case KeyForm::Choice:
            return isDigits(k.defaultText);
        case KeyForm::Flag:
            return k.defaultText == "0" || k.defaultText == "1";
    }
    return false;
}

constexpr char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Ordered by section, then by key as a profile file compares them: without case.
constexpr bool keyBefore(const FileKey& a, const FileKey& b) {
    if (a.section != b.section) return a.section < b.section;
    for (std::size_t i = 0; i < a.key.size() && i < b.key.size(); ++i)
        if (lower(a.key[i]) != lower(b.key[i])) return lower(a.key[i]) < lower(b.key[i]);
    return a.key.size() < b.key.size();
}

constexpr std::size_t sectionNumber(std::string_view section) {
    for (std::size_t i = 0; i < kFileSections.size(); ++i)
        if (kFileSections[i] == section) return i;
    return kFileSections.size();
}

// Each key in a known section, no key twice in one section (a profile file
// knows no case), and the sections first met in the order a new file holds them.
constexpr bool sectionsAndNamesHold() {
    std::size_t sectionsMet = 0;
    for (const FileKey& k : kFileKeys) {
        const std::size_t section = sectionNumber(k.section);
        if (section == kFileSections.size() || section > sectionsMet) return false;
        if (section == sectionsMet) ++sectionsMet;
    }
    auto sorted = kFileKeys;
    std::sort(sorted.begin(), sorted.end(), keyBefore);
    for (std::size_t i = 1; i < sorted.size(); ++i)
        if (!keyBefore(sorted[i - 1], sorted[i])) return false;  // the same key twice
    return sectionsMet == kFileSections.size();
}

// The three header keys open the file, and the header's constants are the configurator's own.
constexpr bool headerHolds() {
    for (std::size_t i = 0; i < kFileKeys.size(); ++i)
        if ((kFileKeys[i].form == KeyForm::Header) != (i < 3)) return false;
    for (const FileKey& k : kFileKeys) {
        if (k.form != KeyForm::Header) continue;
        if (k.section != kHeaderSection) return false;
        if (k.key == kApplicationKey && k.defaultText != kApplicationTitle) return false;
        if (k.key == kVersionKey && k.defaultText != kVersionLabel) return false;
    }
    return true;
}

// The settings whose key loads something other than their start-up value:
// the telemetry channels load "Not used" and plain names ("A1", "None", "B1"),
// where at start-up they hold their sources' presets.
constexpr auto kLoadsOtherThanStartUp = [] {
    std::array<SettingId, 4 + 3 * 8> ids{S::Teleanalog1_source, S::Teleanalog1_name, S::Teleanalog1_units,
                                         S::Teleanalog1_coefb};
    std::size_t at = 4;
    for (int n = 1; n <= 8; ++n)
        for (SettingId field : {S::Teledigital1_source, S::Teledigital1_name, S::Teledigital1_units})
            ids[at++] = digitalChannel(n, field);
    return ids;
}();

constexpr int wholeNumber(std::string_view digits) {
    int value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

// A key's form agrees with its setting's kind in the catalogue: text and
// number keys hold text settings, choice and flag keys choices, and a flag
// (stored as "0" or "1") only a choice of two entries; a choice's default
// stands inside its list.
constexpr bool formFitsTheCatalogue(const FileKey& k) {
    if (k.form == KeyForm::Header) return true;
    const SettingDef& d = settingsCatalogue().def(k.setting);
    switch (k.form) {
        case KeyForm::Header:
            return true;
        case KeyForm::Text:
        case KeyForm::Number:
            return d.kind == SettingKind::Text;
        case KeyForm::Flag:
            if (d.choices.size() != 2) return false;
            [[fallthrough]];
        case KeyForm::Choice:
            return d.kind == SettingKind::Choice &&
                   static_cast<std::size_t>(wholeNumber(k.defaultText)) < d.choices.size();
    }
    return false;
}

// What a load applies when a key is missing is what the setting holds at
// start-up, for every setting but the listed ones, which differ.
constexpr bool defaultsAreStartUpExceptTheListed() {
    for (const FileKey& k : kFileKeys) {
        if (k.form == KeyForm::Header) continue;
        const SettingDef& d = settingsCatalogue().def(k.setting);
        const bool same = d.kind == SettingKind::Text ? k.defaultText == d.defaultText
                                                      : wholeNumber(k.defaultText) == d.defaultIndex;
        const bool listed = std::find(kLoadsOtherThanStartUp.begin(), kLoadsOtherThanStartUp.end(),
                                      k.setting) != kLoadsOtherThanStartUp.end();
        if (same == listed) return false;
    }
    return true;
}

static_assert(kFileKeyCount == kSettingCount + 3, "one key per setting and three header keys");
static_assert(std::all_of(kFileKeys.begin(), kFileKeys.end(), formFitsTheCatalogue),
              "a key's form agrees with its setting's kind; flags hold two-entry choices; choice defaults "
              "stand inside their lists");
static_assert(defaultsAreStartUpExceptTheListed(),
              "the file's defaults are the start-up values, except for the settings listed as differing");
static_assert(std::all_of(kFileKeys.begin(), kFileKeys.end(), formFitsTheImage),
              "a key's form agrees with how the image holds its setting");
static_assert(std::all_of(kFileKeys.begin(), kFileKeys.end(), defaultFitsTheForm),
              "number and choice defaults are whole numbers, flag defaults 0 or 1");
static_assert(sectionsAndNamesHold(), "known sections, first met in file order, no key twice in one");
static_assert(headerHolds(), "the header keys open the file and hold the configurator's name and version");

}  // namespace

const FileKey& fileKeyOf(SettingId setting) { return kFileKeys[kKeyOfSetting[indexOf(setting)]]; }

}  // namespace zeru::cfgfile
