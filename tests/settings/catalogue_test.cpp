// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/catalogue.h"

#include <gtest/gtest.h>

#include <map>

namespace zeru {
namespace {

const Catalogue& cat() { return settingsCatalogue(); }

TEST(Catalogue, CountsPerPage) {
    std::map<std::string, int> perPage;
    for (const auto& d : cat().defs()) ++perPage[std::string(d.page)];
    const std::map<std::string, int> expected{
        {"TabSheet_radio", 12},
        {"TabSheet_position_reports", 25},
        {"TabSheet_common_settings", 2},
        {"TabSheet_simple_aliases", 32},
        {"TabSheet_beacons", 36},
        {"TabSheet_report_settings", 17},
        {"TabSheet_analog_channels", 35},
        {"TabSheet_digital_channels14", 16},
        {"TabSheet_digital_channels58", 16},
        {"TabSheet_orvaxe_outputs", 4},
        {"TabSheet_weather_reports", 10},
        {"TabSheet_serial_ports", 2},
        {"TabSheet_bluetooth", 2},
        {"TabSheet_rs485_port", 3},
        {"TabSheet_weather_station", 1},
        {"TabSheet_serial_console", 9},
        {"TabSheet_gps_receiver", 1},
        {"TabSheet_kiss", 3},
    };
    EXPECT_EQ(perPage, expected);
}

struct TextRow {
    const char* name;
    int max;
    const char* def;
};

TEST(Catalogue, TextLimitsAndDefaults) {
    const TextRow rows[] = {
        {"Callsign", 6, "NOCALL"},
        {"Ssid", 2, "0"},
        {"Latitude", 8, "5223.08N"},
        {"Longitude", 9, "01658.14E"},
        {"Txdelay", 4, "250"},
        {"Quiettime", 4, "400"},
        {"Smartbeaconing_turn_slope", 4, "410"},
        {"Smartbeaconing_fast_period", 3, "90"},
        {"Position_status_text", 40, ""},
        {"Position_path3", 6, ""},
        {"Position_ssid3", 2, ""},
        {"Floodtimeout", 3, "60"},
        {"Alias1_name", 6, "WIDE1"},
        {"Alias2_name", 6, ""},
        {"Beacon1_txrate", 4, "30"},
        {"Beacon4_txrate", 4, "5"},
        {"Beacon4_message", 96, ""},
        {"Teletitle", 23, "Telemetry test"},
        {"Tele_holdoff", 3, "60"},
        {"Teleparams_txrate_rf", 3, "30"},
        {"Teleanalog1_name", 7, "Vin"},
        {"Teleanalog1_units", 7, "Volt"},
        {"Teleanalog1_coefb", 8, "0.075"},
        {"Teleanalog3_name", 6, "A3"},
        {"Teleanalog5_name", 5, "A5"},
        {"Teleanalog5_units", 5, "None"},
        {"Teledigital1_name", 6, "O1"},
        {"Teledigital2_units", 5, "On"},
        {"Teledigital8_name", 3, "I4"},
        {"Teledigital8_units", 3, "Hi"},
        {"Weather_txrate", 3, "5"},
        {"Weather_comment", 32, "Kestrovane weather"},
        {"Bluetooth_name", 20, "KestrovaneBlue"},
        {"Bluetooth_password", 4, "7351"},
    };
    for (const auto& r : rows) {
        const auto& d = cat().def(r.name);
        EXPECT_EQ(d.kind, SettingKind::Text) << r.name;
        EXPECT_EQ(d.maxLength, r.max) << r.name;
        EXPECT_EQ(d.defaultText, r.def) << r.name;
    }
}

struct ChoiceRow {
    const char* name;
    std::size_t count;
    int def;
    const char* defaultEntry;
};

TEST(Catalogue, ChoiceListsAndDefaults) {
    const ChoiceRow rows[] = {
        {"Quiettime_randomize", 5, 3, "+/- 64 ms"},
        {"Squelch", 10, 0, "1 (lowest)"},
        {"Position_report_mode", 3, 2, "SmartBeaconing"},
        {"Mice_message", 8, 0, "Off Duty"},
        {"Position_time", 3, 2, "Day, hour, min"},
        {"Digion", 2, 1, "Yes"},
        {"Alias1_enable", 2, 1, "Always"},
        {"Alias8_enable", 2, 0, "Never"},
        {"Beacon1_enable", 4, 2, "GPS fixed"},
        {"Beacon2_enable", 4, 0, "Never"},
        {"Teleanalog1_source", 14, 11, "(I) Input voltage"},
        {"Teleanalog5_source", 14, 0, "Not used"},
        {"Teledigital8_source", 9, 8, "(M) Input 4"},
        {"Weather_enable", 3, 2, "GPS fixed"},
        {"Serial1_mode", 5, 2, "Serial console"},
        {"Serial2_mode", 4, 2, "KISS"},
        {"RS485_mode", 4, 1, "Telemetry modules"},
        {"Weather_stationtype", 11, 0, "None"},
        {"Console_baudrate", 5, 4, "115200"},
        {"Debug_thermo", 2, 1, "Enabled"},
        {"GPS_baudrate", 5, 3, "9600"},
        {"Kiss_direction", 2, 1, "both"},
    };
    for (const auto& r : rows) {
        const auto& d = cat().def(r.name);
        ASSERT_EQ(d.kind, SettingKind::Choice) << r.name;
        EXPECT_EQ(d.choices.size(), r.count) << r.name;
        ASSERT_GE(d.defaultIndex, 0) << r.name;
        EXPECT_EQ(d.choices[static_cast<std::size_t>(d.defaultIndex)], r.defaultEntry) << r.name;
    }
}

TEST(Catalogue, EveryDestinationDefaultsToTheDeviceToCall) {
    int destinations = 0;
    for (const auto& d : cat().defs()) {
        if (d.name.find("dest_string") == std::string_view::npos) continue;
        ++destinations;
        EXPECT_EQ(d.defaultText, "APKV07") << d.name;
        EXPECT_EQ(cat().def(std::string(d.name.substr(0, d.name.size() - 6)) + "ssid").defaultText, "0");
    }
    EXPECT_EQ(destinations, 7);  // four beacons, two telemetry reports, weather
}

TEST(Catalogue, UnknownNameIsRefused) {
    EXPECT_FALSE(findSetting("Callsign2").has_value());
    EXPECT_THROW(cat().def("callsign"), std::out_of_range);
}

}  // namespace
}  // namespace zeru
