// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/catalogue.h"

#include <stdexcept>

#include "settings/form_layout.h"
#include "settings/records.h"

namespace zeru {
namespace {

using Choices = std::vector<std::string>;

using S = SettingId;

// A setting's page and group come from the form layout, filled in afterwards.
SettingDef text(SettingId id, int maxLength, std::string def, std::string label, std::string help) {
    return {id,
            std::string(settingName(id)),
            SettingKind::Text,
            maxLength,
            {},
            std::move(def),
            -1,
            std::move(label),
            std::move(help),
            {},
            {}};
}

SettingDef choice(SettingId id, Choices choices, int def, std::string label, std::string help) {
    return {id,
            std::string(settingName(id)),
            SettingKind::Choice,
            0,
            std::move(choices),
            {},
            def,
            std::move(label),
            std::move(help),
            {},
            {}};
}

const Choices kNoYes{"No", "Yes"};
const Choices kDisabledEnabled{"Disabled", "Enabled"};
const Choices kBaudrates{"9600", "19200", "38400", "57600", "115200"};

// An address entry: a call or alias of up to 6 characters and an SSID of up to 2.
void addAddress(std::vector<SettingDef>& out, SettingId name, SettingId ssid, std::string defName,
                std::string defSsid, std::string nameHelp, std::string ssidHelp) {
    out.push_back(text(name, 6, std::move(defName), "", std::move(nameHelp)));
    out.push_back(text(ssid, 2, std::move(defSsid), "", std::move(ssidHelp)));
}

// clang-format off
void addRadio(std::vector<SettingDef>& s) {
    s.push_back(text(S::Callsign, 6, "NOCALL", "Callsign:", "Station callsign."));
    s.push_back(text(S::Ssid, 2, "0", "", "Station SSID."));
    s.push_back(text(S::Latitude, 8, "5223.08N", "Latitude:", "Station latitude."));
    s.push_back(text(S::Longitude, 9, "01658.14E", "Longitude:", "Station longitude."));
    s.push_back(text(S::Txdelay, 4, "250", "TX delay [ms]:",
                     "Time between PTT on and packet start (preamble length)."));
    s.push_back(text(S::Quiettime, 4, "400", "Quiet time [ms]:",
                     "Delay between last received  packet and packet send."));
    s.push_back(choice(S::Quiettime_randomize,
                       {"No", "+/- 16 ms", "+/- 32 ms", "+/- 64 ms", "+/- 128 ms"}, 3,
                       "Randomize quiet time:", "Quiet time random modifier."));
    s.push_back(choice(S::Ptt, {"separate output", "2k2 resistor"}, 0, "PTT:", "PTT output type."));
    s.push_back(choice(S::Squelch,
                       {"1 (lowest)", "2", "3", "4", "5", "6", "7", "8", "9", "10 (highest)"}, 0,
                       "Squelch level:", "Squelch level. 1 - lowest, 10 - highest."));
    s.push_back(choice(S::Busydetect, {"analog signal level", "digital detect"}, 0,
                       "Channel busy detect:",
                       "Channel busy detection method. For open quelch operation use only digital detect."));
    s.push_back(choice(S::Consecutive_packets, {"in bursts", "separately"}, 0,
                       "Consecutive packets send:",
                       "Multiple packets from TX fifo will be sent without gap if \"bursts\" is selected."));
    s.push_back(choice(S::Output_level, {"100%", "50%", "25%", "12.5%", "6.25%"}, 0, "Output level:",
                       "Packet audio output level."));
}

void addPositionReports(std::vector<SettingDef>& s) {
    s.push_back(choice(S::Position_report_mode, {"Disabled", "Fixed time interval", "SmartBeaconing"}, 2,
                       "Position report mode:", ""));
    s.push_back(text(S::Smartbeaconing_min_turn_angle, 3, "27", "Min Turn Angle [deg]:", ""));
    s.push_back(text(S::Smartbeaconing_turn_slope, 4, "410", "Turn Slope:", ""));
    s.push_back(text(S::Smartbeaconing_min_turn_time, 3, "5", "Min Turn Time [s]:", ""));
    s.push_back(text(S::Smartbeaconing_slow_speed, 3, "8", "Slow Speed [km/h]:", ""));
    s.push_back(text(S::Smartbeaconing_slow_period, 4, "1800", "Slow Period [s]:", ""));
    s.push_back(text(S::Smartbeaconing_fast_speed, 3, "95", "Fast Speed [km/h]:", ""));
    s.push_back(text(S::Smartbeaconing_fast_period, 3, "90", "Fast Period [s]:", ""));
    s.push_back(text(S::Position_report_interval, 4, "60", "Position report interval [s]:", ""));
    s.push_back(choice(S::Position_report_encoding, {"Mic-E", "Plain text", "Base-91"}, 0,
                       "Position encoding protocol:", ""));
    s.push_back(text(S::Position_symbol_code, 1, ">", "Symbol code:", ""));
    s.push_back(text(S::Position_symbol_table, 1, "/", "Symbol table:", ""));
    s.push_back(choice(S::Mice_message,
                       {"Off Duty", "En Route", "In Service", "Returning", "Committed", "Special",
                        "Priority", "Emergency"},
                       0, "", ""));  // two labels, "Mic-E" and "message:", drawn by the page
    addAddress(s, S::Position_path1, S::Position_ssid1, "WIDE1", "1", "", "");
    addAddress(s, S::Position_path2, S::Position_ssid2, "WIDE2", "1", "", "");
    addAddress(s, S::Position_path3, S::Position_ssid3, "", "", "", "");
    s.push_back(text(S::Position_status_text, 40, "", "Status text:", ""));
    s.push_back(choice(S::Position_time, {"None", "Hour, min, sec", "Day, hour, min"}, 2, "Time:", ""));
    s.push_back(choice(S::Position_coursespeed, kNoYes, 1, "Course/Speed:", ""));
    s.push_back(choice(S::Position_altitude, kNoYes, 1, "Altitude:", ""));
    s.push_back(choice(S::Position_reportonfixlost, kNoYes, 1, "Send last position if fix lost:", ""));
    s.push_back(text(S::Position_fixlost_interval, 4, "600", "Send interval on fix lost (s):", ""));
}

void addDigipeater(std::vector<SettingDef>& s) {
    s.push_back(choice(S::Digion, kNoYes, 1, "Digipeater on:",
                       "Enables or disables function of RF packets digipeating."));
    s.push_back(text(S::Floodtimeout, 3, "60", "Duplicate checking [s]:",
                     "Time for which a received packet is stored for duplicate checking. Duplicate "
                     "packets are discarded and are not digipeated."));
    for (int n = 1; n <= 8; ++n) {
        const bool first = n == 1;
        addAddress(s, alias(n, S::Alias1_name), alias(n, S::Alias1_ssid), first ? "WIDE1" : "",
                   first ? "1" : "", "Simple alias-based path for digipeating.",
                   "Simple alias-based SSID for digipeating.");
        s.push_back(choice(alias(n, S::Alias1_traceable), kNoYes, first ? 1 : 0, "",
                           "If selected, the device will add its callsign to path of digipeated packets."));
        s.push_back(choice(alias(n, S::Alias1_enable), {"Never", "Always"}, first ? 1 : 0, "",
                           "Path rule is enabled if this condition is met."));
    }
}

void addBeacons(std::vector<SettingDef>& s) {
    const char* messages[4] = {
        "/<gpsdate>z<gpslat>/<gpslong>>Kestrovane U=<volt>V.",
        "!<statlat>/<statlong>>Kestrovane U=<volt>V.",
        "!<statlat>/<statlong>>Kestrovane U=<volt>V, T=<temp>C.",
        "",
    };
    for (int n = 1; n <= 4; ++n) {
        const auto b = [n](SettingId ofBeacon1) { return beacon(n, ofBeacon1); };
        addAddress(s, b(S::Beacon1_dest_string), b(S::Beacon1_dest_ssid), "APKV07", "0", "", "");
        addAddress(s, b(S::Beacon1_path1_string), b(S::Beacon1_path1_ssid), "WIDE1", "1", "Beacon path.",
                   "Beacon SSID.");
        addAddress(s, b(S::Beacon1_path2_string), b(S::Beacon1_path2_ssid), "WIDE2", "1", "Beacon path.",
                   "Beacon SSID.");
        s.push_back(text(b(S::Beacon1_txrate), 4, n == 1 ? "30" : "5", "", "Beacon TX rate to RF (minutes)."));
        s.push_back(choice(b(S::Beacon1_enable), {"Never", "Always", "GPS fixed", "GPS not fixed"}, n == 1 ? 2 : 0, "",
                           "Beacon is enabled if this condition is met."));
        s.push_back(text(b(S::Beacon1_message), 96, messages[n - 1], "",
                         "Beacon message. Please check \"Special strings\"."));
    }
}

void addReportSettings(std::vector<SettingDef>& s) {
    s.push_back(choice(S::Tele_enable, {"Disabled", "Enabled"}, 0, "Telemetry reports:",
                       "Enables or disables telemetry reports."));
    s.push_back(text(S::Teletitle, 23, "Telemetry test", "Telemetry project title:",
                     "Title for telemetry sent in BITS message."));
    s.push_back(text(S::Tele_holdoff, 3, "60", "First telemetry data packet delay [min]:",
                     "Delay for first telemetry data packet. Allows to gather data after device power-up."));
    addAddress(s, S::Teleparams_dest_string, S::Teleparams_dest_ssid, "APKV07", "0", "", "");
    addAddress(s, S::Teleparams_path1_string, S::Teleparams_path1_ssid, "WIDE1", "1",
               "Telemetry parameters path.", "");
    addAddress(s, S::Teleparams_path2_string, S::Teleparams_path2_ssid, "WIDE2", "1",
               "Telemetry parameters path.", "");
    s.push_back(text(S::Teleparams_txrate_rf, 3, "30", "",
                     "Telemetry parameters TX rate to RF (minutes). Set 0 to disable."));
    addAddress(s, S::Teledata_dest_string, S::Teledata_dest_ssid, "APKV07", "0", "", "");
    addAddress(s, S::Teledata_path1_string, S::Teledata_path1_ssid, "WIDE1", "1", "Telemetry data path.", "");
    addAddress(s, S::Teledata_path2_string, S::Teledata_path2_ssid, "WIDE2", "1", "Telemetry data path.", "");
    s.push_back(text(S::Teledata_txrate_rf, 3, "30", "",
                     "Telemetry data TX rate to RF (minutes). Set 0 to disable."));
}

void addAnalogChannels(std::vector<SettingDef>& s) {
    const int nameMax[5] = {7, 7, 6, 6, 5};
    for (int n = 1; n <= 5; ++n) {
        const auto c = [n](SettingId ofChannel1) { return analogChannel(n, ofChannel1); };
        const std::string ch = std::to_string(n);
        // Start-up values are those of each channel's preset (source 1: input voltage).
        const bool vin = n == 1;
        s.push_back(choice(c(S::Teleanalog1_source), analogSourceList(), vin ? 11 : 0, "",
                           "Analog channel " + ch + " measurement source."));
        s.push_back(text(c(S::Teleanalog1_name), nameMax[n - 1], vin ? "Vin" : "A" + ch, "",
                         "Analog channel " + ch + " report name."));
        s.push_back(text(c(S::Teleanalog1_units), nameMax[n - 1], vin ? "Volt" : "None", "",
                         "Analog channel " + ch + " report units."));
        const auto coefficientHint = [&ch](char letter) {
            std::string hint = "Analog channel ";
            hint.append(ch).append(" telemetry calculation coefficient ").append(1, letter);
            return hint.append(". Equation: A*x*x+B*x+C (where x is the measurement sample).");
        };
        s.push_back(text(c(S::Teleanalog1_coefa), 8, "0", "", coefficientHint('A')));
        s.push_back(text(c(S::Teleanalog1_coefb), 8, vin ? "0.075" : "0", "", coefficientHint('B')));
        s.push_back(text(c(S::Teleanalog1_coefc), 8, "0", "", coefficientHint('C')));
        s.push_back(choice(c(S::Teleanalog1_average), {"Off", "On"}, 0, "",
                           "If selected, the device will calculate 1 minute average of measured samples."));
    }
}

void addDigitalChannels(std::vector<SettingDef>& s) {
    const int nameMax[8] = {6, 5, 4, 4, 4, 3, 3, 3};
    for (int n = 1; n <= 8; ++n) {
        const auto c = [n](SettingId ofChannel1) { return digitalChannel(n, ofChannel1); };
        const std::string ch = std::to_string(n);
        // Start-up: source N, then its preset: outputs "On", inputs "Hi".
        const bool output = n <= 4;
        s.push_back(choice(c(S::Teledigital1_source), digitalSourceList(), n, "", "Digital channel " + ch + " source."));
        s.push_back(text(c(S::Teledigital1_name), nameMax[n - 1], (output ? "O" : "I") + std::to_string(output ? n : n - 4),
                         "", "Digital channel " + ch + " report name."));
        s.push_back(text(c(S::Teledigital1_units), nameMax[n - 1], output ? "On" : "Hi", "",
                         "Digital channel " + ch + " report label."));
        s.push_back(choice(c(S::Teledigital1_inverted), kNoYes, 0, "", "Select if digital channel is active-low."));
    }
}

void addOrvaxeOutputs(std::vector<SettingDef>& s) {
    for (int n = 1; n <= 4; ++n) {
        s.push_back(choice(orvaxeOutput(n), {"Off", "On"}, 0,
                           "Output " + std::to_string(n) + " default state:",
                           "Default power-on state for Orvaxe output."));
    }
}

void addWeatherReports(std::vector<SettingDef>& s) {
    addAddress(s, S::Weather_dest_string, S::Weather_dest_ssid, "APKV07", "0", "Weather destination to-call.",
               "Weather destination SSID.");
    addAddress(s, S::Weather_path1_string, S::Weather_path1_ssid, "WIDE1", "1", "Weather report path.",
               "Weather report SSID.");
    addAddress(s, S::Weather_path2_string, S::Weather_path2_ssid, "WIDE2", "1", "Weather report path.",
               "Weather report SSID.");
    s.push_back(text(S::Weather_txrate, 3, "5", "", "Weather report TX rate to RF (minutes)."));
    s.push_back(choice(S::Weather_enable, {"Never", "Always", "GPS fixed"}, 2, "",
                       "Weather reports are enabled if this condition is met."));
    s.push_back(choice(S::Weather_position, {"Static position", "GPS time/position"}, 1, "",
                       "Reported position source selection."));
    s.push_back(text(S::Weather_comment, 32, "Kestrovane weather", "Comment:", "Weather report comment."));
}

void addExternalInterfaces(std::vector<SettingDef>& s) {
    s.push_back(choice(S::Serial1_mode, {"None", "Weather station", "Serial console", "GPS", "KISS"}, 2,
                       "RS-232 port 2:", "Serial port 2 function."));
    s.push_back(choice(S::Serial2_mode, {"None", "Serial console", "KISS", "GPS passthrough"}, 2,
                       "Bluetooth port 1:", "Bluetooth port 1 function."));
    s.push_back(text(S::Bluetooth_name, 20, "KestrovaneBlue", "Bluetooth device name:", ""));
    s.push_back(text(S::Bluetooth_password, 4, "7351", "Bluetooth password:", ""));
    s.push_back(choice(S::RS485_mode, {"None", "Telemetry modules", "DS18B20 thermometer", "DS18S20 thermometer"},
                       1, "RS-485 port:", "RS-485 port function."));
    s.push_back(choice(S::Telemodule_enable, kDisabledEnabled, 0, "Pelvandrosk module (analog):",
                       "Enables or disables Pelvandrosk module support."));
    s.push_back(choice(S::Bitsmodule_enable, kDisabledEnabled, 0, "Orvaxe module (digital):",
                       "Enables or disables Orvaxe module support."));
    s.push_back(choice(S::Weather_stationtype,
                       {"None", "Peet Bros Ultimeter 100", "Peet Bros Ultimeter 800", "Peet Bros Ultimeter 2000",
                        "Peet Bros Ultimeter 2100", "WS-2300", "WS-2350", "Davis Vantage Pro",
                        "Davis Vantage Pro2", "Davis Vantage Pro Plus", "Davis Vantage Pro2 Plus"},
                       0, "Weather station:", "Weather station selection box."));
    s.push_back(choice(S::Console_baudrate, kBaudrates, 4, "Serial console baudrate:", "Serial console baudrate."));
    const std::pair<SettingId, const char*> debug[] = {
        {S::Debug_rf, "RF:"},         {S::Debug_ax25, "AX25:"}, {S::Debug_weather, "Weather:"},
        {S::Debug_telemetry, "Telemetry:"}, {S::Debug_bluetooth, "Bluetooth:"}, {S::Debug_gps, "GPS:"},
        {S::Debug_kiss, "KISS:"},     {S::Debug_thermo, "Thermo:"},
    };
    for (const auto& [id, label] : debug) s.push_back(choice(id, kDisabledEnabled, 1, label, ""));
    s.push_back(choice(S::GPS_baudrate, {"1200", "2400", "4800", "9600", "19200"}, 3, "GPS module baudrate:",
                       "NMEA reports baudrate."));
    s.push_back(choice(S::Kiss_baudrate, kBaudrates, 0, "KISS baudrate:", "KISS serial port baudrate."));
    s.push_back(choice(S::Kiss_direction, {"RF->serial", "both"}, 1, "KISS direction:",
                       "Allows to disable transmission of KISS packets to RF if unnecessary."));
    s.push_back(choice(S::Kiss_check, kNoYes, 1, "Check for serial->RF packet correctness:",
                       "If enabled then checks packet header and drops incorrect packets."));
}

// clang-format on

std::vector<SettingDef> buildCatalogue() {
    std::vector<SettingDef> s;
    s.reserve(kSettingCount);
    addRadio(s);
    addPositionReports(s);
    addDigipeater(s);
    addBeacons(s);
    addReportSettings(s);
    addAnalogChannels(s);
    addDigitalChannels(s);
    addOrvaxeOutputs(s);
    addWeatherReports(s);
    addExternalInterfaces(s);
    // Each setting stands where the form layout puts it.
    for (const PageLayout& page : buildFormLayout())
        for (const GroupLayout& group : page.groups)
            for (SettingId id : group.settings) {
                SettingDef& def = s.at(indexOf(id));
                def.page = page.name;
                def.group = group.caption;
            }
    return s;
}

}  // namespace

Catalogue::Catalogue(std::vector<SettingDef> defs) : defs_(std::move(defs)) {
    // Tables indexed by id rely on this: the catalogue is in the order of SettingId.
    if (defs_.size() != kSettingCount) throw std::logic_error("the catalogue does not hold every setting");
    for (std::size_t i = 0; i < defs_.size(); ++i)
        if (defs_[i].id != settingAt(i) || defs_[i].page.empty())
            throw std::logic_error("setting " + defs_[i].name + " is out of order or on no page");
}

std::optional<std::size_t> Catalogue::indexOf(std::string_view name) const {
    const auto id = findSetting(name);
    if (!id) return std::nullopt;
    return zeru::indexOf(*id);
}

const SettingDef& Catalogue::def(std::string_view name) const {
    const auto id = findSetting(name);
    if (!id) throw std::out_of_range("unknown setting " + std::string(name));
    return def(*id);
}

const std::vector<std::string>& analogSourceList() {
    static const std::vector<std::string> list{
        "Not used",
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
        "(E) Temperature (DS18S20)",
    };
    return list;
}

const std::vector<std::string>& digitalSourceList() {
    static const std::vector<std::string> list{
        "Not used",    "(M) Output 1", "(M) Output 2", "(M) Output 3", "(M) Output 4",
        "(M) Input 1", "(M) Input 2",  "(M) Input 3",  "(M) Input 4",
    };
    return list;
}

const Catalogue& settingsCatalogue() {
    static const Catalogue catalogue(buildCatalogue());
    return catalogue;
}

}  // namespace zeru
