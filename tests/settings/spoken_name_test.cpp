// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/spoken_name.h"

#include <gtest/gtest.h>

namespace zeru {
namespace {

TEST(SpokenName, NamesTheRecordColumnAndGroupOfEachKindOfSetting) {
    const std::pair<const char*, const char*> cases[] = {
        {"Callsign", "Callsign"},
        {"Ssid", "Callsign SSID"},
        {"Txdelay", "TX delay [ms]"},
        {"Smartbeaconing_slow_speed", "SmartBeaconing slow speed [km/h]"},
        {"Mice_message", "Mic-E message"},
        {"Position_ssid3", "Position report path 3 SSID"},
        {"Alias8_name", "Alias 8"},
        {"Alias2_traceable", "Alias 2 traceable"},
        {"Beacon3_path1_ssid", "Beacon 3 path 1 SSID"},
        {"Beacon4_txrate", "Beacon 4 RF rate [min]"},
        {"Teledata_dest_string", "Telemetry data destination"},
        {"Teleanalog5_coefb", "Analog 5 coefficient B"},
        {"Teledigital7_units", "Digital 7 label"},
        {"Weather_position", "Weather report send position"},
        {"Weather_comment", "Comment"},
        {"Orvaxe_output2", "Orvaxe output 2 default state"},
        {"Debug_ax25", "Console debug messages AX25"},
        {"Debug_weather", "Console debug messages weather"},
    };
    for (const auto& [name, spoken] : cases) EXPECT_EQ(spokenName(settingsCatalogue().def(name)), spoken);
}

}  // namespace
}  // namespace zeru
