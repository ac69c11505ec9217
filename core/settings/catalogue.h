// SPDX-License-Identifier: GPL-3.0-or-later
// The settings catalogue: every setting of the device, as one declarative
// table fixed at compile time, one entry per setting in the order of SettingId.
//
// A setting's name is the objectName of the widget that shows it and the key by
// which image, file and rule code address it. Texts are 8-bit (Latin-1) strings
// throughout the core; the window converts them at its edge. Page and group
// come from the form layout (settings/form_layout.h), which states them once.
// The other tables keyed by SettingId (image layout, encode order, file keys)
// are checked against this one by static_assert where they are written.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "settings/form_layout.h"
#include "settings/setting_id.h"

namespace zeru {

enum class SettingKind { Text, Choice };

struct SettingDef {
    SettingId id{};
    std::string_view name;
    SettingKind kind = SettingKind::Text;
    int maxLength = 0;                          // text: the most characters a user can type
    std::span<const std::string_view> choices;  // choice: the entries, index 0 first
    std::string_view defaultText;               // text: value at start-up
    int defaultIndex = -1;                      // choice: selected index at start-up
    std::string_view label;  // field label beside the widget ("" where a column header serves)
    std::string_view help;   // tooltip ("" when the field has none)
    std::string_view page;   // objectName of the page that holds the widget (settings/form_layout.h)
    std::string_view group;  // caption of its group frame on that page, "" for none
};

// The catalogue's entries, in the order of SettingId, with their lookups.
class Catalogue {
public:
    using Defs = std::array<SettingDef, kSettingCount>;

    constexpr explicit Catalogue(const Defs& defs) : defs_(&defs) {}

    constexpr const Defs& defs() const { return *defs_; }
    constexpr std::size_t size() const { return defs_->size(); }
    constexpr const SettingDef& def(SettingId id) const { return (*defs_)[zeru::indexOf(id)]; }

    // The definition of a named setting; throws std::out_of_range for an unknown name.
    const SettingDef& def(std::string_view name) const;

private:
    const Defs* defs_;
};

namespace catalogue_table {

// A text setting: typing limit, start-up text, label and tooltip.
constexpr SettingDef text(SettingId id, int maxLength, std::string_view defaultText, std::string_view label,
                          std::string_view help) {
    const Placement& at = placementOf(id);
    return {id,   settingName(id), SettingKind::Text, maxLength, {}, defaultText, -1, label,
            help, at.page,         at.group};
}

// A choice setting: its entries, the one selected at start-up, label and tooltip.
constexpr SettingDef choice(SettingId id, std::span<const std::string_view> choices, int defaultIndex,
                            std::string_view label, std::string_view help) {
    const Placement& at = placementOf(id);
    return {id,      settingName(id), SettingKind::Choice, 0, choices, {}, defaultIndex, label, help,
            at.page, at.group};
}

// The choice lists, some shared by several settings.
inline constexpr std::string_view kQuietTimeRandomizing[] = {"No", "+/- 16 ms", "+/- 32 ms", "+/- 64 ms",
                                                             "+/- 128 ms"};
inline constexpr std::string_view kPttOutputs[] = {"separate output", "2k2 resistor"};
inline constexpr std::string_view kSquelchLevels[] = {"1 (lowest)", "2", "3", "4", "5",
                                                      "6",          "7", "8", "9", "10 (highest)"};
inline constexpr std::string_view kBusyDetection[] = {"analog signal level", "digital detect"};
inline constexpr std::string_view kPacketSpacing[] = {"in bursts", "separately"};
inline constexpr std::string_view kOutputLevels[] = {"100%", "50%", "25%", "12.5%", "6.25%"};
inline constexpr std::string_view kReportModes[] = {"Disabled", "Fixed time interval", "SmartBeaconing"};
inline constexpr std::string_view kReportEncodings[] = {"Mic-E", "Plain text", "Base-91"};
inline constexpr std::string_view kMiceMessages[] = {"Off Duty",  "En Route", "In Service", "Returning",
                                                     "Committed", "Special",  "Priority",   "Emergency"};
inline constexpr std::string_view kPositionTimes[] = {"None", "Hour, min, sec", "Day, hour, min"};
inline constexpr std::string_view kNoYes[] = {"No", "Yes"};
inline constexpr std::string_view kNeverAlways[] = {"Never", "Always"};
inline constexpr std::string_view kBeaconConditions[] = {"Never", "Always", "GPS fixed", "GPS not fixed"};
inline constexpr std::string_view kDisabledEnabled[] = {"Disabled", "Enabled"};
inline constexpr std::string_view kAnalogSources[] = {"Not used",
                                                      "(M) Current1 (5A fullscale)",
                                                      "(M) Current1 (2.5A fullscale)",
                                                      "(M) Current1 (1.25A fullscale)",
                                                      "(M) Current2 (5A fullscale)",
                                                      "(M) Current2 (2.5A fullscale)",
                                                      "(M) Current2 (1.25A fullscale)",
                                                      "(M) Voltage1",
                                                      "(M) Voltage2",
                                                      "(M) Temperature (DS18B20)",
                                                      "(M) Temperature (DS18S20)",
                                                      "(I) Input voltage",
                                                      "(E) Temperature (DS18B20)",
                                                      "(E) Temperature (DS18S20)"};
inline constexpr std::string_view kOffOn[] = {"Off", "On"};
inline constexpr std::string_view kDigitalSources[] = {"Not used",     "(M) Output 1", "(M) Output 2",
                                                       "(M) Output 3", "(M) Output 4", "(M) Input 1",
                                                       "(M) Input 2",  "(M) Input 3",  "(M) Input 4"};
inline constexpr std::string_view kWeatherConditions[] = {"Never", "Always", "GPS fixed"};
inline constexpr std::string_view kWeatherPositions[] = {"Static position", "GPS time/position"};
inline constexpr std::string_view kSerial1Modes[] = {"None", "Weather station", "Serial console", "GPS",
                                                     "KISS"};
inline constexpr std::string_view kSerial2Modes[] = {"None", "Serial console", "KISS", "GPS passthrough"};
inline constexpr std::string_view kRs485Modes[] = {"None", "Telemetry modules", "DS18B20 thermometer",
                                                   "DS18S20 thermometer"};
inline constexpr std::string_view kWeatherStations[] = {"None",
                                                        "Peet Bros Ultimeter 100",
                                                        "Peet Bros Ultimeter 800",
                                                        "Peet Bros Ultimeter 2000",
                                                        "Peet Bros Ultimeter 2100",
                                                        "WS-2300",
                                                        "WS-2350",
                                                        "Davis Vantage Pro",
                                                        "Davis Vantage Pro2",
                                                        "Davis Vantage Pro Plus",
                                                        "Davis Vantage Pro2 Plus"};
inline constexpr std::string_view kBaudrates[] = {"9600", "19200", "38400", "57600", "115200"};
inline constexpr std::string_view kGpsBaudrates[] = {"1200", "2400", "4800", "9600", "19200"};
inline constexpr std::string_view kKissDirections[] = {"RF->serial", "both"};

using S = SettingId;

// Every setting, in start-up order: the order of SettingId.
inline constexpr Catalogue::Defs kEntries{{
    // TabSheet_radio
    text(S::Callsign, 6, "NOCALL", "Callsign:", "Station callsign."),
    text(S::Ssid, 2, "0", "", "Station SSID."),
    text(S::Latitude, 8, "5223.08N", "Latitude:", "Station latitude."),
    text(S::Longitude, 9, "01658.14E", "Longitude:", "Station longitude."),
    text(S::Txdelay, 4, "250", "TX delay [ms]:", "Time between PTT on and packet start (preamble length)."),
    text(S::Quiettime, 4, "400", "Quiet time [ms]:", "Delay between last received  packet and packet send."),
    choice(S::Quiettime_randomize, kQuietTimeRandomizing, 3,
           "Randomize quiet time:", "Quiet time random modifier."),
    choice(S::Ptt, kPttOutputs, 0, "PTT:", "PTT output type."),
    choice(S::Squelch, kSquelchLevels, 0, "Squelch level:", "Squelch level. 1 - lowest, 10 - highest."),
    choice(S::Busydetect, kBusyDetection, 0, "Channel busy detect:",
           "Channel busy detection method. For open quelch operation use only digital detect."),
    choice(S::Consecutive_packets, kPacketSpacing, 0, "Consecutive packets send:",
           "Multiple packets from TX fifo will be sent without gap if \"bursts\" is selected."),
    choice(S::Output_level, kOutputLevels, 0, "Output level:", "Packet audio output level."),
    // TabSheet_position_reports
    choice(S::Position_report_mode, kReportModes, 2, "Position report mode:", ""),
    text(S::Smartbeaconing_min_turn_angle, 3, "27", "Min Turn Angle [deg]:", ""),
    text(S::Smartbeaconing_turn_slope, 4, "410", "Turn Slope:", ""),
    text(S::Smartbeaconing_min_turn_time, 3, "5", "Min Turn Time [s]:", ""),
    text(S::Smartbeaconing_slow_speed, 3, "8", "Slow Speed [km/h]:", ""),
    text(S::Smartbeaconing_slow_period, 4, "1800", "Slow Period [s]:", ""),
    text(S::Smartbeaconing_fast_speed, 3, "95", "Fast Speed [km/h]:", ""),
    text(S::Smartbeaconing_fast_period, 3, "90", "Fast Period [s]:", ""),
    text(S::Position_report_interval, 4, "60", "Position report interval [s]:", ""),
    choice(S::Position_report_encoding, kReportEncodings, 0, "Position encoding protocol:", ""),
    text(S::Position_symbol_code, 1, ">", "Symbol code:", ""),
    text(S::Position_symbol_table, 1, "/", "Symbol table:", ""),
    // Two labels, "Mic-E" and "message:", drawn by the page.
    choice(S::Mice_message, kMiceMessages, 0, "", ""),
    text(S::Position_path1, 6, "WIDE1", "", ""),
    text(S::Position_ssid1, 2, "1", "", ""),
    text(S::Position_path2, 6, "WIDE2", "", ""),
    text(S::Position_ssid2, 2, "1", "", ""),
    text(S::Position_path3, 6, "", "", ""),
    text(S::Position_ssid3, 2, "", "", ""),
    text(S::Position_status_text, 40, "", "Status text:", ""),
    choice(S::Position_time, kPositionTimes, 2, "Time:", ""),
    choice(S::Position_coursespeed, kNoYes, 1, "Course/Speed:", ""),
    choice(S::Position_altitude, kNoYes, 1, "Altitude:", ""),
    choice(S::Position_reportonfixlost, kNoYes, 1, "Send last position if fix lost:", ""),
    text(S::Position_fixlost_interval, 4, "600", "Send interval on fix lost (s):", ""),
    // TabSheet_common_settings
    choice(S::Digion, kNoYes, 1, "Digipeater on:", "Enables or disables function of RF packets digipeating."),
    text(S::Floodtimeout, 3, "60", "Duplicate checking [s]:",
         "Time for which a received packet is stored for duplicate checking. Duplicate packets are discarded "
         "and are not digipeated."),
    // TabSheet_simple_aliases
    text(S::Alias1_name, 6, "WIDE1", "", "Simple alias-based path for digipeating."),
    text(S::Alias1_ssid, 2, "1", "", "Simple alias-based SSID for digipeating."),
    choice(S::Alias1_traceable, kNoYes, 1, "",
           "If selected, the device will add its callsign to path of digipeated packets."),
    choice(S::Alias1_enable, kNeverAlways, 1, "", "Path rule is enabled if this condition is met."),
    text(S::Alias2_name, 6, "", "", "Simple alias-based path for digipeating."),
    text(S::Alias2_ssid, 2, "", "", "Simple alias-based SSID for digipeating."),
    choice(S::Alias2_traceable, kNoYes, 0, "",
           "If selected, the device will add its callsign to path of digipeated packets."),
    choice(S::Alias2_enable, kNeverAlways, 0, "", "Path rule is enabled if this condition is met."),
    text(S::Alias3_name, 6, "", "", "Simple alias-based path for digipeating."),
    text(S::Alias3_ssid, 2, "", "", "Simple alias-based SSID for digipeating."),
    choice(S::Alias3_traceable, kNoYes, 0, "",
           "If selected, the device will add its callsign to path of digipeated packets."),
    choice(S::Alias3_enable, kNeverAlways, 0, "", "Path rule is enabled if this condition is met."),
    text(S::Alias4_name, 6, "", "", "Simple alias-based path for digipeating."),
    text(S::Alias4_ssid, 2, "", "", "Simple alias-based SSID for digipeating."),
    choice(S::Alias4_traceable, kNoYes, 0, "",
           "If selected, the device will add its callsign to path of digipeated packets."),
    choice(S::Alias4_enable, kNeverAlways, 0, "", "Path rule is enabled if this condition is met."),
    text(S::Alias5_name, 6, "", "", "Simple alias-based path for digipeating."),
    text(S::Alias5_ssid, 2, "", "", "Simple alias-based SSID for digipeating."),
    choice(S::Alias5_traceable, kNoYes, 0, "",
           "If selected, the device will add its callsign to path of digipeated packets."),
    choice(S::Alias5_enable, kNeverAlways, 0, "", "Path rule is enabled if this condition is met."),
    text(S::Alias6_name, 6, "", "", "Simple alias-based path for digipeating."),
    text(S::Alias6_ssid, 2, "", "", "Simple alias-based SSID for digipeating."),
    choice(S::Alias6_traceable, kNoYes, 0, "",
           "If selected, the device will add its callsign to path of digipeated packets."),
    choice(S::Alias6_enable, kNeverAlways, 0, "", "Path rule is enabled if this condition is met."),
    text(S::Alias7_name, 6, "", "", "Simple alias-based path for digipeating."),
    text(S::Alias7_ssid, 2, "", "", "Simple alias-based SSID for digipeating."),
    choice(S::Alias7_traceable, kNoYes, 0, "",
           "If selected, the device will add its callsign to path of digipeated packets."),
    choice(S::Alias7_enable, kNeverAlways, 0, "", "Path rule is enabled if this condition is met."),
    text(S::Alias8_name, 6, "", "", "Simple alias-based path for digipeating."),
    text(S::Alias8_ssid, 2, "", "", "Simple alias-based SSID for digipeating."),
    choice(S::Alias8_traceable, kNoYes, 0, "",
           "If selected, the device will add its callsign to path of digipeated packets."),
    choice(S::Alias8_enable, kNeverAlways, 0, "", "Path rule is enabled if this condition is met."),
    // TabSheet_beacons
    text(S::Beacon1_dest_string, 6, "APKV07", "", ""),
    text(S::Beacon1_dest_ssid, 2, "0", "", ""),
    text(S::Beacon1_path1_string, 6, "WIDE1", "", "Beacon path."),
    text(S::Beacon1_path1_ssid, 2, "1", "", "Beacon SSID."),
    text(S::Beacon1_path2_string, 6, "WIDE2", "", "Beacon path."),
    text(S::Beacon1_path2_ssid, 2, "1", "", "Beacon SSID."),
    text(S::Beacon1_txrate, 4, "30", "", "Beacon TX rate to RF (minutes)."),
    choice(S::Beacon1_enable, kBeaconConditions, 2, "", "Beacon is enabled if this condition is met."),
    text(S::Beacon1_message, 96, "/<gpsdate>z<gpslat>/<gpslong>>Kestrovane U=<volt>V.", "",
         "Beacon message. Please check \"Special strings\"."),
    text(S::Beacon2_dest_string, 6, "APKV07", "", ""),
    text(S::Beacon2_dest_ssid, 2, "0", "", ""),
    text(S::Beacon2_path1_string, 6, "WIDE1", "", "Beacon path."),
    text(S::Beacon2_path1_ssid, 2, "1", "", "Beacon SSID."),
    text(S::Beacon2_path2_string, 6, "WIDE2", "", "Beacon path."),
    text(S::Beacon2_path2_ssid, 2, "1", "", "Beacon SSID."),
    text(S::Beacon2_txrate, 4, "5", "", "Beacon TX rate to RF (minutes)."),
    choice(S::Beacon2_enable, kBeaconConditions, 0, "", "Beacon is enabled if this condition is met."),
    text(S::Beacon2_message, 96, "!<statlat>/<statlong>>Kestrovane U=<volt>V.", "",
         "Beacon message. Please check \"Special strings\"."),
    text(S::Beacon3_dest_string, 6, "APKV07", "", ""),
    text(S::Beacon3_dest_ssid, 2, "0", "", ""),
    text(S::Beacon3_path1_string, 6, "WIDE1", "", "Beacon path."),
    text(S::Beacon3_path1_ssid, 2, "1", "", "Beacon SSID."),
    text(S::Beacon3_path2_string, 6, "WIDE2", "", "Beacon path."),
    text(S::Beacon3_path2_ssid, 2, "1", "", "Beacon SSID."),
    text(S::Beacon3_txrate, 4, "5", "", "Beacon TX rate to RF (minutes)."),
    choice(S::Beacon3_enable, kBeaconConditions, 0, "", "Beacon is enabled if this condition is met."),
    text(S::Beacon3_message, 96, "!<statlat>/<statlong>>Kestrovane U=<volt>V, T=<temp>C.", "",
         "Beacon message. Please check \"Special strings\"."),
    text(S::Beacon4_dest_string, 6, "APKV07", "", ""),
    text(S::Beacon4_dest_ssid, 2, "0", "", ""),
    text(S::Beacon4_path1_string, 6, "WIDE1", "", "Beacon path."),
    text(S::Beacon4_path1_ssid, 2, "1", "", "Beacon SSID."),
    text(S::Beacon4_path2_string, 6, "WIDE2", "", "Beacon path."),
    text(S::Beacon4_path2_ssid, 2, "1", "", "Beacon SSID."),
    text(S::Beacon4_txrate, 4, "5", "", "Beacon TX rate to RF (minutes)."),
    choice(S::Beacon4_enable, kBeaconConditions, 0, "", "Beacon is enabled if this condition is met."),
    text(S::Beacon4_message, 96, "", "", "Beacon message. Please check \"Special strings\"."),
    // TabSheet_report_settings
    choice(S::Tele_enable, kDisabledEnabled, 0,
           "Telemetry reports:", "Enables or disables telemetry reports."),
    text(S::Teletitle, 23, "Telemetry test",
         "Telemetry project title:", "Title for telemetry sent in BITS message."),
    text(S::Tele_holdoff, 3, "60", "First telemetry data packet delay [min]:",
         "Delay for first telemetry data packet. Allows to gather data after device power-up."),
    text(S::Teleparams_dest_string, 6, "APKV07", "", ""),
    text(S::Teleparams_dest_ssid, 2, "0", "", ""),
    text(S::Teleparams_path1_string, 6, "WIDE1", "", "Telemetry parameters path."),
    text(S::Teleparams_path1_ssid, 2, "1", "", ""),
    text(S::Teleparams_path2_string, 6, "WIDE2", "", "Telemetry parameters path."),
    text(S::Teleparams_path2_ssid, 2, "1", "", ""),
    text(S::Teleparams_txrate_rf, 3, "30", "",
         "Telemetry parameters TX rate to RF (minutes). Set 0 to disable."),
    text(S::Teledata_dest_string, 6, "APKV07", "", ""),
    text(S::Teledata_dest_ssid, 2, "0", "", ""),
    text(S::Teledata_path1_string, 6, "WIDE1", "", "Telemetry data path."),
    text(S::Teledata_path1_ssid, 2, "1", "", ""),
    text(S::Teledata_path2_string, 6, "WIDE2", "", "Telemetry data path."),
    text(S::Teledata_path2_ssid, 2, "1", "", ""),
    text(S::Teledata_txrate_rf, 3, "30", "", "Telemetry data TX rate to RF (minutes). Set 0 to disable."),
    // TabSheet_analog_channels
    // Start-up values are those of each channel's preset (channel 1: input voltage).
    choice(S::Teleanalog1_source, kAnalogSources, 11, "", "Analog channel 1 measurement source."),
    text(S::Teleanalog1_name, 7, "Vin", "", "Analog channel 1 report name."),
    text(S::Teleanalog1_units, 7, "Volt", "", "Analog channel 1 report units."),
    text(S::Teleanalog1_coefa, 8, "0", "",
         "Analog channel 1 telemetry calculation coefficient A. Equation: A*x*x+B*x+C (where x is the "
         "measurement sample)."),
    text(S::Teleanalog1_coefb, 8, "0.075", "",
         "Analog channel 1 telemetry calculation coefficient B. Equation: A*x*x+B*x+C (where x is the "
         "measurement sample)."),
    text(S::Teleanalog1_coefc, 8, "0", "",
         "Analog channel 1 telemetry calculation coefficient C. Equation: A*x*x+B*x+C (where x is the "
         "measurement sample)."),
    choice(S::Teleanalog1_average, kOffOn, 0, "",
           "If selected, the device will calculate 1 minute average of measured samples."),
    choice(S::Teleanalog2_source, kAnalogSources, 0, "", "Analog channel 2 measurement source."),
    text(S::Teleanalog2_name, 7, "A2", "", "Analog channel 2 report name."),
    text(S::Teleanalog2_units, 7, "None", "", "Analog channel 2 report units."),
    text(S::Teleanalog2_coefa, 8, "0", "",
         "Analog channel 2 telemetry calculation coefficient A. Equation: A*x*x+B*x+C (where x is the "
         "measurement sample)."),
    text(S::Teleanalog2_coefb, 8, "0", "",
         "Analog channel 2 telemetry calculation coefficient B. Equation: A*x*x+B*x+C (where x is the "
         "measurement sample)."),
    text(S::Teleanalog2_coefc, 8, "0", "",
         "Analog channel 2 telemetry calculation coefficient C. Equation: A*x*x+B*x+C (where x is the "
         "measurement sample)."),
    choice(S::Teleanalog2_average, kOffOn, 0, "",
           "If selected, the device will calculate 1 minute average of measured samples."),
    choice(S::Teleanalog3_source, kAnalogSources, 0, "", "Analog channel 3 measurement source."),
    text(S::Teleanalog3_name, 6, "A3", "", "Analog channel 3 report name."),
    text(S::Teleanalog3_units, 6, "None", "", "Analog channel 3 report units."),
    text(S::Teleanalog3_coefa, 8, "0", "",
         "Analog channel 3 telemetry calculation coefficient A. Equation: A*x*x+B*x+C (where x is the "
         "measurement sample)."),
    text(S::Teleanalog3_coefb, 8, "0", "",
         "Analog channel 3 telemetry calculation coefficient B. Equation: A*x*x+B*x+C (where x is the "
         "measurement sample)."),
    text(S::Teleanalog3_coefc, 8, "0", "",
         "Analog channel 3 telemetry calculation coefficient C. Equation: A*x*x+B*x+C (where x is the "
         "measurement sample)."),
    choice(S::Teleanalog3_average, kOffOn, 0, "",
           "If selected, the device will calculate 1 minute average of measured samples."),
    choice(S::Teleanalog4_source, kAnalogSources, 0, "", "Analog channel 4 measurement source."),
    text(S::Teleanalog4_name, 6, "A4", "", "Analog channel 4 report name."),
    text(S::Teleanalog4_units, 6, "None", "", "Analog channel 4 report units."),
    text(S::Teleanalog4_coefa, 8, "0", "",
         "Analog channel 4 telemetry calculation coefficient A. Equation: A*x*x+B*x+C (where x is the "
         "measurement sample)."),
    text(S::Teleanalog4_coefb, 8, "0", "",
         "Analog channel 4 telemetry calculation coefficient B. Equation: A*x*x+B*x+C (where x is the "
         "measurement sample)."),
    text(S::Teleanalog4_coefc, 8, "0", "",
         "Analog channel 4 telemetry calculation coefficient C. Equation: A*x*x+B*x+C (where x is the "
         "measurement sample)."),
    choice(S::Teleanalog4_average, kOffOn, 0, "",
           "If selected, the device will calculate 1 minute average of measured samples."),
    choice(S::Teleanalog5_source, kAnalogSources, 0, "", "Analog channel 5 measurement source."),
    text(S::Teleanalog5_name, 5, "A5", "", "Analog channel 5 report name."),
    text(S::Teleanalog5_units, 5, "None", "", "Analog channel 5 report units."),
    text(S::Teleanalog5_coefa, 8, "0", "",
         "Analog channel 5 telemetry calculation coefficient A. Equation: A*x*x+B*x+C (where x is the "
         "measurement sample)."),
    text(S::Teleanalog5_coefb, 8, "0", "",
         "Analog channel 5 telemetry calculation coefficient B. Equation: A*x*x+B*x+C (where x is the "
         "measurement sample)."),
    text(S::Teleanalog5_coefc, 8, "0", "",
         "Analog channel 5 telemetry calculation coefficient C. Equation: A*x*x+B*x+C (where x is the "
         "measurement sample)."),
    choice(S::Teleanalog5_average, kOffOn, 0, "",
           "If selected, the device will calculate 1 minute average of measured samples."),
    // TabSheet_digital_channels14
    // Start-up: channel N reads source N, with its preset: outputs "On", inputs "Hi".
    choice(S::Teledigital1_source, kDigitalSources, 1, "", "Digital channel 1 source."),
    text(S::Teledigital1_name, 6, "O1", "", "Digital channel 1 report name."),
    text(S::Teledigital1_units, 6, "On", "", "Digital channel 1 report label."),
    choice(S::Teledigital1_inverted, kNoYes, 0, "", "Select if digital channel is active-low."),
    choice(S::Teledigital2_source, kDigitalSources, 2, "", "Digital channel 2 source."),
    text(S::Teledigital2_name, 5, "O2", "", "Digital channel 2 report name."),
    text(S::Teledigital2_units, 5, "On", "", "Digital channel 2 report label."),
    choice(S::Teledigital2_inverted, kNoYes, 0, "", "Select if digital channel is active-low."),
    choice(S::Teledigital3_source, kDigitalSources, 3, "", "Digital channel 3 source."),
    text(S::Teledigital3_name, 4, "O3", "", "Digital channel 3 report name."),
    text(S::Teledigital3_units, 4, "On", "", "Digital channel 3 report label."),
    choice(S::Teledigital3_inverted, kNoYes, 0, "", "Select if digital channel is active-low."),
    choice(S::Teledigital4_source, kDigitalSources, 4, "", "Digital channel 4 source."),
    text(S::Teledigital4_name, 4, "O4", "", "Digital channel 4 report name."),
    text(S::Teledigital4_units, 4, "On", "", "Digital channel 4 report label."),
    choice(S::Teledigital4_inverted, kNoYes, 0, "", "Select if digital channel is active-low."),
    // TabSheet_digital_channels58
    choice(S::Teledigital5_source, kDigitalSources, 5, "", "Digital channel 5 source."),
    text(S::Teledigital5_name, 4, "I1", "", "Digital channel 5 report name."),
    text(S::Teledigital5_units, 4, "Hi", "", "Digital channel 5 report label."),
    choice(S::Teledigital5_inverted, kNoYes, 0, "", "Select if digital channel is active-low."),
    choice(S::Teledigital6_source, kDigitalSources, 6, "", "Digital channel 6 source."),
    text(S::Teledigital6_name, 3, "I2", "", "Digital channel 6 report name."),
    text(S::Teledigital6_units, 3, "Hi", "", "Digital channel 6 report label."),
    choice(S::Teledigital6_inverted, kNoYes, 0, "", "Select if digital channel is active-low."),
    choice(S::Teledigital7_source, kDigitalSources, 7, "", "Digital channel 7 source."),
    text(S::Teledigital7_name, 3, "I3", "", "Digital channel 7 report name."),
    text(S::Teledigital7_units, 3, "Hi", "", "Digital channel 7 report label."),
    choice(S::Teledigital7_inverted, kNoYes, 0, "", "Select if digital channel is active-low."),
    choice(S::Teledigital8_source, kDigitalSources, 8, "", "Digital channel 8 source."),
    text(S::Teledigital8_name, 3, "I4", "", "Digital channel 8 report name."),
    text(S::Teledigital8_units, 3, "Hi", "", "Digital channel 8 report label."),
    choice(S::Teledigital8_inverted, kNoYes, 0, "", "Select if digital channel is active-low."),
    // TabSheet_orvaxe_outputs
    choice(S::Orvaxe_output1, kOffOn, 0,
           "Output 1 default state:", "Default power-on state for Orvaxe output."),
    choice(S::Orvaxe_output2, kOffOn, 0,
           "Output 2 default state:", "Default power-on state for Orvaxe output."),
    choice(S::Orvaxe_output3, kOffOn, 0,
           "Output 3 default state:", "Default power-on state for Orvaxe output."),
    choice(S::Orvaxe_output4, kOffOn, 0,
           "Output 4 default state:", "Default power-on state for Orvaxe output."),
    // TabSheet_weather_reports
    text(S::Weather_dest_string, 6, "APKV07", "", "Weather destination to-call."),
    text(S::Weather_dest_ssid, 2, "0", "", "Weather destination SSID."),
    text(S::Weather_path1_string, 6, "WIDE1", "", "Weather report path."),
    text(S::Weather_path1_ssid, 2, "1", "", "Weather report SSID."),
    text(S::Weather_path2_string, 6, "WIDE2", "", "Weather report path."),
    text(S::Weather_path2_ssid, 2, "1", "", "Weather report SSID."),
    text(S::Weather_txrate, 3, "5", "", "Weather report TX rate to RF (minutes)."),
    choice(S::Weather_enable, kWeatherConditions, 2, "",
           "Weather reports are enabled if this condition is met."),
    choice(S::Weather_position, kWeatherPositions, 1, "", "Reported position source selection."),
    text(S::Weather_comment, 32, "Kestrovane weather", "Comment:", "Weather report comment."),
    // TabSheet_serial_ports
    choice(S::Serial1_mode, kSerial1Modes, 2, "RS-232 port 2:", "Serial port 2 function."),
    choice(S::Serial2_mode, kSerial2Modes, 2, "Bluetooth port 1:", "Bluetooth port 1 function."),
    // TabSheet_bluetooth
    text(S::Bluetooth_name, 20, "KestrovaneBlue", "Bluetooth device name:", ""),
    text(S::Bluetooth_password, 4, "7351", "Bluetooth password:", ""),
    // TabSheet_rs485_port
    choice(S::RS485_mode, kRs485Modes, 1, "RS-485 port:", "RS-485 port function."),
    choice(S::Telemodule_enable, kDisabledEnabled, 0,
           "Pelvandrosk module (analog):", "Enables or disables Pelvandrosk module support."),
    choice(S::Bitsmodule_enable, kDisabledEnabled, 0,
           "Orvaxe module (digital):", "Enables or disables Orvaxe module support."),
    // TabSheet_weather_station
    choice(S::Weather_stationtype, kWeatherStations, 0, "Weather station:", "Weather station selection box."),
    // TabSheet_serial_console
    choice(S::Console_baudrate, kBaudrates, 4, "Serial console baudrate:", "Serial console baudrate."),
    choice(S::Debug_rf, kDisabledEnabled, 1, "RF:", ""),
    choice(S::Debug_ax25, kDisabledEnabled, 1, "AX25:", ""),
    choice(S::Debug_weather, kDisabledEnabled, 1, "Weather:", ""),
    choice(S::Debug_telemetry, kDisabledEnabled, 1, "Telemetry:", ""),
    choice(S::Debug_bluetooth, kDisabledEnabled, 1, "Bluetooth:", ""),
    choice(S::Debug_gps, kDisabledEnabled, 1, "GPS:", ""),
    choice(S::Debug_kiss, kDisabledEnabled, 1, "KISS:", ""),
    choice(S::Debug_thermo, kDisabledEnabled, 1, "Thermo:", ""),
    // TabSheet_gps_receiver
    choice(S::GPS_baudrate, kGpsBaudrates, 3, "GPS module baudrate:", "NMEA reports baudrate."),
    // TabSheet_kiss
    choice(S::Kiss_baudrate, kBaudrates, 0, "KISS baudrate:", "KISS serial port baudrate."),
    choice(S::Kiss_direction, kKissDirections, 1,
           "KISS direction:", "Allows to disable transmission of KISS packets to RF if unnecessary."),
    choice(S::Kiss_check, kNoYes, 1, "Check for serial->RF packet correctness:",
           "If enabled then checks packet header and drops incorrect packets."),
}};

}  // namespace catalogue_table

// The catalogue of this configurator: 226 settings.
inline constexpr Catalogue kCatalogue{catalogue_table::kEntries};

constexpr const Catalogue& settingsCatalogue() { return kCatalogue; }

// Name and label of the configurator, used by captions, files and images.
inline constexpr std::string_view kApplicationTitle = "Kestrovane Zeru Configurator";
inline constexpr std::string_view kVersionLabel = "v1.02";

}  // namespace zeru
