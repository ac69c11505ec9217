// SPDX-License-Identifier: GPL-3.0-or-later
// APRS advice: each rule warns where the setting misbehaves on the air, stays
// silent where it does not, and never stops "Write config".
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "problems/problems.h"
#include "settings/catalogue.h"
#include "settings/settings_model.h"

namespace zeru::test {
namespace {

using problems::Severity;

struct AdviceCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> set;  // choices as their index
    std::vector<std::string> warned;                       // settings warned about, in order
};

const AdviceCase kCases[] = {
    {"PositionPathRelay", {{"Position_path1", "relay"}, {"Position_path2", ""}}, {"Position_path1"}},
    {"PositionPathWide1IsCurrent", {{"Position_path1", "WIDE1"}, {"Position_path2", ""}}, {}},
    {"BeaconPathTrace",
     {{"Beacon1_path1_string", "TRACE2"}, {"Beacon1_path2_string", ""}},
     {"Beacon1_path1_string"}},
    {"WeatherPathPlainWide",
     {{"Weather_path1_string", "WIDE"}, {"Weather_path2_string", ""}},
     {"Weather_path1_string"}},
    {"ThreeHopsFromWideN", {{"Position_ssid2", "2"}}, {"Position_path2"}},
    {"ThreeHopsFromThreeEntries", {{"Position_path3", "DIGI"}, {"Position_ssid3", "0"}}, {"Position_path3"}},
    {"TwoHopsInOneEntry",
     {{"Weather_path1_string", "WIDE2"}, {"Weather_path1_ssid", "2"}, {"Weather_path2_string", ""}},
     {}},
    {"PositionPathOfReportsOff", {{"Position_report_mode", "0"}, {"Position_ssid2", "7"}}, {}},
    {"TelemetryDataPath", {{"Tele_enable", "1"}, {"Teledata_path2_ssid", "3"}}, {"Teledata_path2_string"}},
    {"TelemetryDataPathOff",
     {{"Tele_enable", "1"}, {"Teledata_txrate_rf", "0"}, {"Teledata_path2_ssid", "3"}},
     {}},
    {"BeaconNeverSent", {{"Beacon2_path1_string", "RELAY"}, {"Beacon2_dest_string", ""}}, {}},
    {"BeaconWithoutMessage", {{"Beacon1_message", ""}, {"Beacon1_dest_string", ""}}, {}},
    {"BeaconDestinationEmpty", {{"Beacon1_dest_string", ""}}, {"Beacon1_dest_string"}},
    {"BeaconDestinationNotAp",
     {{"Beacon3_enable", "1"}, {"Beacon3_dest_string", "BEACON"}},
     {"Beacon3_dest_string"}},
    {"BeaconDestinationLowerCaseAp", {{"Beacon1_dest_string", "apzmdm"}}, {}},
    {"WeatherDestination", {{"Weather_dest_string", "WX"}}, {"Weather_dest_string"}},
    {"MicEEmergency", {{"Mice_message", "7"}}, {"Mice_message"}},
    {"EmergencyNotSentInPlainText", {{"Mice_message", "7"}, {"Position_report_encoding", "1"}}, {}},
    {"MicEPriority", {{"Mice_message", "6"}}, {}},
    {"SlowSpeedAtFastSpeed", {{"Smartbeaconing_slow_speed", "95"}}, {"Smartbeaconing_slow_speed"}},
    {"SlowSpeedJustBelow", {{"Smartbeaconing_slow_speed", "94"}}, {}},
    {"SlowSpeedZero", {{"Smartbeaconing_slow_speed", "0"}}, {"Smartbeaconing_slow_speed"}},
    {"FastSpeedZero", {{"Smartbeaconing_fast_speed", "0"}}, {"Smartbeaconing_fast_speed"}},
    {"TurnTimeZero", {{"Smartbeaconing_min_turn_time", "0"}}, {"Smartbeaconing_min_turn_time"}},
    {"FastPeriodUnderAMinute", {{"Smartbeaconing_fast_period", "59"}}, {"Smartbeaconing_fast_period"}},
    {"FastPeriodAMinute", {{"Smartbeaconing_fast_period", "60"}}, {}},
    {"SmartBeaconingNotInUse", {{"Position_report_mode", "1"}, {"Smartbeaconing_fast_period", "30"}}, {}},
    {"AnalogNameOverItsLimit", {{"Tele_enable", "1"}, {"Teleanalog5_name", "ABCDEF"}}, {"Teleanalog5_name"}},
    {"AnalogNameAtItsLimit", {{"Tele_enable", "1"}, {"Teleanalog1_name", "ABCDEFG"}}, {}},
    {"DigitalUnitOverItsLimit",
     {{"Tele_enable", "1"}, {"Teledigital8_units", "ABCD"}},
     {"Teledigital8_units"}},
    {"ChannelNamesOfTelemetryOff", {{"Teleanalog5_name", "ABCDEF"}}, {}},
    {"PathEntryWithAComma", {{"Beacon1_path1_string", "RELAY,"}}, {"Beacon1_path1_string"}},
    {"CallsignInSmallLetters", {{"Callsign", "ok1zru"}}, {}},
    {"CallsignWithAnEscape", {{"Callsign", "OK\x1B[2J"}}, {"Callsign"}},
    {"AliasOfAnotherAlphabet", {{"Alias3_name", "W\xC3\x9C"}, {"Alias3_ssid", "0"}}, {"Alias3_name"}},
    {"DestinationOfABeaconNeverSent", {{"Beacon4_dest_string", "AP Z"}}, {"Beacon4_dest_string"}},
    {"PositionPathWithADash", {{"Position_path1", "WIDE-1"}}, {"Position_path1"}},
    {"UnitsWithATabOfTelemetryOff", {{"Teleanalog2_units", "m\tA"}}, {"Teleanalog2_units"}},
    {"NameWithADelete", {{"Teledigital6_name", "B\x7F"}}, {"Teledigital6_name"}},
    {"UnitsOfAnotherAlphabet",
     {{"Teleanalog1_units",
       "\xC2\xB0"
       "C"}},
     {}},
};

class Advice : public ::testing::TestWithParam<AdviceCase> {};

TEST_P(Advice, WarnsWhereTheSettingMisbehavesOnTheAir) {
    SettingsModel s;
    for (const auto& [setting, value] : GetParam().set) {
        if (settingsCatalogue().def(setting).kind == SettingKind::Choice)
            s.setIndex(settingNamed(setting), std::stoi(value));
        else
            s.setText(settingNamed(setting), value);
    }
    std::vector<std::string> warned;
    for (const problems::Problem& p : problems::findProblems(s)) {
        EXPECT_EQ(p.severity, Severity::Warning) << settingName(p.setting) << ": " << p.message;
        EXPECT_EQ(p.page, settingsCatalogue().def(p.setting).page);
        warned.emplace_back(settingName(p.setting));
    }
    EXPECT_EQ(warned, GetParam().warned);
    EXPECT_EQ(problems::sendsEmergency(s), warned == std::vector<std::string>{"Mice_message"});
}

INSTANTIATE_TEST_SUITE_P(Rules, Advice, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zeru::test
