// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/catalogue.h"

#include <stdexcept>

namespace zeru {
namespace {

using Choices = std::vector<std::string>;

SettingDef text(std::string name, int maxLength, std::string def, std::string label, std::string help,
                std::string page) {
    return {std::move(name),  SettingKind::Text, maxLength,      {}, std::move(def), -1,
            std::move(label), std::move(help),   std::move(page)};
}

SettingDef choice(std::string name, Choices choices, int def, std::string label, std::string help,
                  std::string page) {
    return {std::move(name), SettingKind::Choice, 0, std::move(choices), {}, def, std::move(label),
            std::move(help), std::move(page)};
}

std::string numbered(std::string_view prefix, int n, std::string_view suffix) {
    return std::string(prefix) + std::to_string(n) + std::string(suffix);
}

const Choices kNoYes{"No", "Yes"};
const Choices kDisabledEnabled{"Disabled", "Enabled"};
const Choices kBaudrates{"9600", "19200", "38400", "57600", "115200"};

// An address entry: a call or alias of up to 6 characters and an SSID of up to 2.
void addAddress(std::vector<SettingDef>& out, std::string name, std::string ssid, std::string defName,
                std::string defSsid, std::string nameHelp, std::string ssidHelp, const std::string& page) {
    out.push_back(text(std::move(name), 6, std::move(defName), "", std::move(nameHelp), page));
    out.push_back(text(std::move(ssid), 2, std::move(defSsid), "", std::move(ssidHelp), page));
}

// clang-format off
void addRadio(std::vector<SettingDef>& s) {
    const std::string p = "TabSheet_radio";
    s.push_back(text("Callsign", 6, "NOCALL", "Callsign:", "Station callsign.", p));
    s.push_back(text("Ssid", 2, "0", "", "Station SSID.", p));
    s.push_back(text("Latitude", 8, "5223.08N", "Latitude:", "Station latitude.", p));
    s.push_back(text("Longitude", 9, "01658.14E", "Longitude:", "Station longitude.", p));
    s.push_back(text("Txdelay", 4, "250", "TX delay [ms]:",
                     "Time between PTT on and packet start (preamble length).", p));
    s.push_back(text("Quiettime", 4, "400", "Quiet time [ms]:",
                     "Delay between last received  packet and packet send.", p));
    s.push_back(choice("Quiettime_randomize",
                       {"No", "+/- 16 ms", "+/- 32 ms", "+/- 64 ms", "+/- 128 ms"}, 3,
                       "Randomize quiet time:", "Quiet time random modifier.", p));
    s.push_back(choice("Ptt", {"separate output", "2k2 resistor"}, 0, "PTT:", "PTT output type.", p));
    s.push_back(choice("Squelch",
                       {"1 (lowest)", "2", "3", "4", "5", "6", "7", "8", "9", "10 (highest)"}, 0,
                       "Squelch level:", "Squelch level. 1 - lowest, 10 - highest.", p));
    s.push_back(choice("Busydetect", {"analog signal level", "digital detect"}, 0,
                       "Channel busy detect:",
                       "Channel busy detection method. For open quelch operation use only digital detect.",
                       p));
    s.push_back(choice("Consecutive_packets", {"in bursts", "separately"}, 0,
                       "Consecutive packets send:",
                       "Multiple packets from TX fifo will be sent without gap if \"bursts\" is selected.",
                       p));
    s.push_back(choice("Output_level", {"100%", "50%", "25%", "12.5%", "6.25%"}, 0, "Output level:",
                       "Packet audio output level.", p));
}

void addPositionReports(std::vector<SettingDef>& s) {
    const std::string p = "TabSheet_position_reports";
    s.push_back(choice("Position_report_mode", {"Disabled", "Fixed time interval", "SmartBeaconing"}, 2,
                       "Position report mode:", "", p));
    s.push_back(text("Smartbeaconing_min_turn_angle", 3, "27", "Min Turn Angle [deg]:", "", p));
    s.push_back(text("Smartbeaconing_turn_slope", 4, "410", "Turn Slope:", "", p));
    s.push_back(text("Smartbeaconing_min_turn_time", 3, "5", "Min Turn Time [s]:", "", p));
    s.push_back(text("Smartbeaconing_slow_speed", 3, "8", "Slow Speed [km/h]:", "", p));
    s.push_back(text("Smartbeaconing_slow_period", 4, "1800", "Slow Period [s]:", "", p));
    s.push_back(text("Smartbeaconing_fast_speed", 3, "95", "Fast Speed [km/h]:", "", p));
    s.push_back(text("Smartbeaconing_fast_period", 3, "90", "Fast Period [s]:", "", p));
    s.push_back(text("Position_report_interval", 4, "60", "Position report interval [s]:", "", p));
    s.push_back(choice("Position_report_encoding", {"Mic-E", "Plain text", "Base-91"}, 0,
                       "Position encoding protocol:", "", p));
    s.push_back(text("Position_symbol_code", 1, ">", "Symbol code:", "", p));
    s.push_back(text("Position_symbol_table", 1, "/", "Symbol table:", "", p));
    s.push_back(choice("Mice_message",
                       {"Off Duty", "En Route", "In Service", "Returning", "Committed", "Special",
                        "Priority", "Emergency"},
                       0, "", "", p));  // two labels, "Mic-E" and "message:", drawn by the page
    addAddress(s, "Position_path1", "Position_ssid1", "WIDE1", "1", "", "", p);
    addAddress(s, "Position_path2", "Position_ssid2", "WIDE2", "1", "", "", p);
    addAddress(s, "Position_path3", "Position_ssid3", "", "", "", "", p);
    s.push_back(text("Position_status_text", 40, "", "Status text:", "", p));
    s.push_back(choice("Position_time", {"None", "Hour, min, sec", "Day, hour, min"}, 2, "Time:", "", p));
    s.push_back(choice("Position_coursespeed", kNoYes, 1, "Course/Speed:", "", p));
    s.push_back(choice("Position_altitude", kNoYes, 1, "Altitude:", "", p));
    s.push_back(choice("Position_reportonfixlost", kNoYes, 1, "Send last position if fix lost:", "", p));
    s.push_back(text("Position_fixlost_interval", 4, "600", "Send interval on fix lost (s):", "", p));
}

void addDigipeater(std::vector<SettingDef>& s) {
    const std::string common = "TabSheet_common_settings";
    s.push_back(choice("Digion", kNoYes, 1, "Digipeater on:",
                       "Enables or disables function of RF packets digipeating.", common));
    s.push_back(text("Floodtimeout", 3, "60", "Duplicate checking [s]:",
                     "Time for which a received packet is stored for duplicate checking. Duplicate "
                     "packets are discarded and are not digipeated.",
                     common));
    const std::string p = "TabSheet_simple_aliases";
    for (int n = 1; n <= 8; ++n) {
        const bool first = n == 1;
        addAddress(s, numbered("Alias", n, "_name"), numbered("Alias", n, "_ssid"), first ? "WIDE1" : "",
                   first ? "1" : "", "Simple alias-based path for digipeating.",
                   "Simple alias-based SSID for digipeating.", p);
        s.push_back(choice(numbered("Alias", n, "_traceable"), kNoYes, first ? 1 : 0, "",
                           "If selected, the device will add its callsign to path of digipeated packets.",
                           p));
        s.push_back(choice(numbered("Alias", n, "_enable"), {"Never", "Always"}, first ? 1 : 0, "",
                           "Path rule is enabled if this condition is met.", p));
    }
}

void addBeacons(std::vector<SettingDef>& s) {
    const std::string p = "TabSheet_beacons";
    const char* messages[4] = {
        "/<gpsdate>z<gpslat>/<gpslong>>Kestrovane U=<volt>V.",
        "!<statlat>/<statlong>>Kestrovane U=<volt>V.",
        "!<statlat>/<statlong>>Kestrovane U=<volt>V, T=<temp>C.",
        "",
    };
    for (int n = 1; n <= 4; ++n) {
        const std::string b = numbered("Beacon", n, "");
        addAddress(s, b + "_dest_string", b + "_dest_ssid", "APKV07", "0", "", "", p);
        addAddress(s, b + "_path1_string", b + "_path1_ssid", "WIDE1", "1", "Beacon path.", "Beacon SSID.", p);
        addAddress(s, b + "_path2_string", b + "_path2_ssid", "WIDE2", "1", "Beacon path.", "Beacon SSID.", p);
        s.push_back(text(b + "_txrate", 4, n == 1 ? "30" : "5", "", "Beacon TX rate to RF (minutes).", p));
        s.push_back(choice(b + "_enable", {"Never", "Always", "GPS fixed", "GPS not fixed"}, n == 1 ? 2 : 0, "",
                           "Beacon is enabled if this condition is met.", p));
        s.push_back(text(b + "_message", 96, messages[n - 1], "",
                         "Beacon message. Please check \"Special strings\".", p));
    }
}

void addReportSettings(std::vector<SettingDef>& s) {
    const std::string p = "TabSheet_report_settings";
    s.push_back(choice("Tele_enable", {"Disabled", "Enabled"}, 0, "Telemetry reports:",
                       "Enables or disables telemetry reports.", p));
    s.push_back(text("Teletitle", 23, "Telemetry test", "Telemetry project title:",
                     "Title for telemetry sent in BITS message.", p));
    s.push_back(text("Tele_holdoff", 3, "60", "First telemetry data packet delay [min]:",
                     "Delay for first telemetry data packet. Allows to gather data after device power-up.", p));
    addAddress(s, "Teleparams_dest_string", "Teleparams_dest_ssid", "APKV07", "0", "", "", p);
    addAddress(s, "Teleparams_path1_string", "Teleparams_path1_ssid", "WIDE1", "1",
               "Telemetry parameters path.", "", p);
    addAddress(s, "Teleparams_path2_string", "Teleparams_path2_ssid", "WIDE2", "1",
               "Telemetry parameters path.", "", p);
    s.push_back(text("Teleparams_txrate_rf", 3, "30", "",
                     "Telemetry parameters TX rate to RF (minutes). Set 0 to disable.", p));
    addAddress(s, "Teledata_dest_string", "Teledata_dest_ssid", "APKV07", "0", "", "", p);
    addAddress(s, "Teledata_path1_string", "Teledata_path1_ssid", "WIDE1", "1", "Telemetry data path.", "", p);
    addAddress(s, "Teledata_path2_string", "Teledata_path2_ssid", "WIDE2", "1", "Telemetry data path.", "", p);
    s.push_back(text("Teledata_txrate_rf", 3, "30", "",
                     "Telemetry data TX rate to RF (minutes). Set 0 to disable.", p));
}

void addAnalogChannels(std::vector<SettingDef>& s) {
    const std::string p = "TabSheet_analog_channels";
    const int nameMax[5] = {7, 7, 6, 6, 5};
    for (int n = 1; n <= 5; ++n) {
        const std::string c = numbered("Teleanalog", n, "");
        const std::string ch = std::to_string(n);
        // Start-up values are those of each channel's preset (source 1: input voltage).
        const bool vin = n == 1;
        s.push_back(choice(c + "_source", analogSourceList(), vin ? 11 : 0, "",
                           "Analog channel " + ch + " measurement source.", p));
        s.push_back(text(c + "_name", nameMax[n - 1], vin ? "Vin" : "A" + ch, "",
                         "Analog channel " + ch + " report name.", p));
        s.push_back(text(c + "_units", nameMax[n - 1], vin ? "Volt" : "None", "",
                         "Analog channel " + ch + " report units.", p));
        const auto coefficientHint = [&ch](char letter) {
            std::string hint = "Analog channel ";
            hint.append(ch).append(" telemetry calculation coefficient ").append(1, letter);
            return hint.append(". Equation: A*x*x+B*x+C (where x is the measurement sample).");
        };
        s.push_back(text(c + "_coefa", 8, "0", "", coefficientHint('A'), p));
        s.push_back(text(c + "_coefb", 8, vin ? "0.075" : "0", "", coefficientHint('B'), p));
        s.push_back(text(c + "_coefc", 8, "0", "", coefficientHint('C'), p));
        s.push_back(choice(c + "_average", {"Off", "On"}, 0, "",
                           "If selected, the device will calculate 1 minute average of measured samples.", p));
    }
}

void addDigitalChannels(std::vector<SettingDef>& s) {
    const int nameMax[8] = {6, 5, 4, 4, 4, 3, 3, 3};
    for (int n = 1; n <= 8; ++n) {
        const std::string p = n <= 4 ? "TabSheet_digital_channels14" : "TabSheet_digital_channels58";
        const std::string c = numbered("Teledigital", n, "");
        const std::string ch = std::to_string(n);
        // Start-up: source N, then its preset: outputs "On", inputs "Hi".
        const bool output = n <= 4;
        s.push_back(choice(c + "_source", digitalSourceList(), n, "", "Digital channel " + ch + " source.", p));
        s.push_back(text(c + "_name", nameMax[n - 1], (output ? "O" : "I") + std::to_string(output ? n : n - 4),
                         "", "Digital channel " + ch + " report name.", p));
        s.push_back(text(c + "_units", nameMax[n - 1], output ? "On" : "Hi", "",
                         "Digital channel " + ch + " report label.", p));
        s.push_back(choice(c + "_inverted", kNoYes, 0, "", "Select if digital channel is active-low.", p));
    }
}

void addOrvaxeOutputs(std::vector<SettingDef>& s) {
    for (int n = 1; n <= 4; ++n) {
        s.push_back(choice(numbered("Orvaxe_output", n, ""), {"Off", "On"}, 0,
                           numbered("Output ", n, " default state:"),
                           "Default power-on state for Orvaxe output.", "TabSheet_orvaxe_outputs"));
    }
}

void addWeatherReports(std::vector<SettingDef>& s) {
    const std::string p = "TabSheet_weather_reports";
    addAddress(s, "Weather_dest_string", "Weather_dest_ssid", "APKV07", "0", "Weather destination to-call.",
               "Weather destination SSID.", p);
    addAddress(s, "Weather_path1_string", "Weather_path1_ssid", "WIDE1", "1", "Weather report path.",
               "Weather report SSID.", p);
    addAddress(s, "Weather_path2_string", "Weather_path2_ssid", "WIDE2", "1", "Weather report path.",
               "Weather report SSID.", p);
    s.push_back(text("Weather_txrate", 3, "5", "", "Weather report TX rate to RF (minutes).", p));
    s.push_back(choice("Weather_enable", {"Never", "Always", "GPS fixed"}, 2, "",
                       "Weather reports are enabled if this condition is met.", p));
    s.push_back(choice("Weather_position", {"Static position", "GPS time/position"}, 1, "",
                       "Reported position source selection.", p));
    s.push_back(text("Weather_comment", 32, "Kestrovane weather", "Comment:", "Weather report comment.", p));
}

void addExternalInterfaces(std::vector<SettingDef>& s) {
    const std::string ports = "TabSheet_serial_ports";
    s.push_back(choice("Serial1_mode", {"None", "Weather station", "Serial console", "GPS", "KISS"}, 2,
                       "RS-232 port 2:", "Serial port 2 function.", ports));
    s.push_back(choice("Serial2_mode", {"None", "Serial console", "KISS", "GPS passthrough"}, 2,
                       "Bluetooth port 1:", "Bluetooth port 1 function.", ports));
    s.push_back(text("Bluetooth_name", 20, "KestrovaneBlue", "Bluetooth device name:", "", "TabSheet_bluetooth"));
    s.push_back(text("Bluetooth_password", 4, "7351", "Bluetooth password:", "", "TabSheet_bluetooth"));
    const std::string rs485 = "TabSheet_rs485_port";
    s.push_back(choice("RS485_mode", {"None", "Telemetry modules", "DS18B20 thermometer", "DS18S20 thermometer"},
                       1, "RS-485 port:", "RS-485 port function.", rs485));
    s.push_back(choice("Telemodule_enable", kDisabledEnabled, 0, "Pelvandrosk module (analog):",
                       "Enables or disables Pelvandrosk module support.", rs485));
    s.push_back(choice("Bitsmodule_enable", kDisabledEnabled, 0, "Orvaxe module (digital):",
                       "Enables or disables Orvaxe module support.", rs485));
    s.push_back(choice("Weather_stationtype",
                       {"None", "Peet Bros Ultimeter 100", "Peet Bros Ultimeter 800", "Peet Bros Ultimeter 2000",
                        "Peet Bros Ultimeter 2100", "WS-2300", "WS-2350", "Davis Vantage Pro",
                        "Davis Vantage Pro2", "Davis Vantage Pro Plus", "Davis Vantage Pro2 Plus"},
                       0, "Weather station:", "Weather station selection box.", "TabSheet_weather_station"));
    const std::string console = "TabSheet_serial_console";
    s.push_back(choice("Console_baudrate", kBaudrates, 4, "Serial console baudrate:", "Serial console baudrate.",
                       console));
    const std::pair<const char*, const char*> debug[] = {
        {"Debug_rf", "RF:"},         {"Debug_ax25", "AX25:"}, {"Debug_weather", "Weather:"},
        {"Debug_telemetry", "Telemetry:"}, {"Debug_bluetooth", "Bluetooth:"}, {"Debug_gps", "GPS:"},
        {"Debug_kiss", "KISS:"},     {"Debug_thermo", "Thermo:"},
    };
    for (const auto& [name, label] : debug) s.push_back(choice(name, kDisabledEnabled, 1, label, "", console));
    s.push_back(choice("GPS_baudrate", {"1200", "2400", "4800", "9600", "19200"}, 3, "GPS module baudrate:",
                       "NMEA reports baudrate.", "TabSheet_gps_receiver"));
    const std::string kiss = "TabSheet_kiss";
    s.push_back(choice("Kiss_baudrate", kBaudrates, 0, "KISS baudrate:", "KISS serial port baudrate.", kiss));
    s.push_back(choice("Kiss_direction", {"RF->serial", "both"}, 1, "KISS direction:",
                       "Allows to disable transmission of KISS packets to RF if unnecessary.", kiss));
    s.push_back(choice("Kiss_check", kNoYes, 1, "Check for serial->RF packet correctness:",
                       "If enabled then checks packet header and drops incorrect packets.", kiss));
}

// clang-format on

std::vector<SettingDef> buildCatalogue() {
    std::vector<SettingDef> s;
    s.reserve(226);
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
    return s;
}

}  // namespace

Catalogue::Catalogue(std::vector<SettingDef> defs) : defs_(std::move(defs)) {
    for (std::size_t i = 0; i < defs_.size(); ++i) byName_.emplace(defs_[i].name, i);
}

std::optional<std::size_t> Catalogue::indexOf(std::string_view name) const {
    auto it = byName_.find(name);
    if (it == byName_.end()) return std::nullopt;
    return it->second;
}

const SettingDef& Catalogue::def(std::string_view name) const {
    auto i = indexOf(name);
    if (!i) throw std::out_of_range("unknown setting " + std::string(name));
    return defs_[*i];
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
