// SPDX-License-Identifier: GPL-3.0-or-later
// The problems check against "Write config": the first error is the refusal it
// shows, and every refused setting is listed, in its order.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "image/codec.h"
#include "interaction/command.h"
#include "problems/problems.h"
#include "settings/catalogue.h"
#include "settings/settings_model.h"
#include "support/random_settings.h"
#include "support/recording_ui.h"

namespace zeru::problems {
void PrintTo(const Problem& p, std::ostream* os) {
    *os << (p.severity == Severity::Error ? "error " : "warning ") << settingName(p.setting) << ": "
        << p.message << " [" << p.page << "]";
}
}  // namespace zeru::problems

namespace zeru::test {
namespace {

using problems::Problem;
using problems::Severity;

struct Fault {
    std::string setting;
    std::string value;
};

// One fault of every kind of refusal, in the order the encoding checks them.
const std::vector<Fault> kFaults = {
    {"Callsign", ""},
    {"Ssid", "16"},
    {"Latitude", "9000.00N"},
    {"Longitude", "01658.14EE"},  // wrong length
    {"Longitude", "18000.00E"},   // out of range
    {"Txdelay", "5a"},            // not a number
    {"Quiettime", "3001"},
    {"Position_report_interval", "14"},
    {"Smartbeaconing_slow_speed", "65536"},
    {"Position_symbol_code", "\n"},
    {"Position_status_text", std::string(41, 's')},
    {"Position_status_text", "two\nlines"},
    {"Position_ssid3", "x"},
    {"Position_fixlost_interval", ""},
    {"Floodtimeout", "181"},
    {"Alias4_ssid", "-1"},
    {"Beacon2_path1_string", "WIDE\r"},
    {"Beacon2_txrate", "1441"},
    {"Beacon2_message", "caf\xE9"},
    {"Teledata_txrate_rf", "4"},
    {"Teleparams_path2_ssid", "16"},
    {"Teletitle", "a\r\nb"},
    {"Tele_holdoff", "251"},
    {"Teleanalog3_coefb", "123456789"},
    {"Teledigital6_units", "L\n"},
    {"Weather_txrate", "0"},
    {"Weather_comment", "tab\t"},
    {"Bluetooth_name", ""},
    {"Bluetooth_name", "a b"},
    {"Bluetooth_password", "12345"},
    {"Bluetooth_password", "12a4"},
};

// Defaults leave some address entries without a name, which takes any SSID.
SettingsModel namedEntries() {
    SettingsModel s;
    s.setText(SettingId::Position_path3, "p3");
    s.setText(SettingId::Position_ssid3, "0");
    s.setText(SettingId::Alias4_name, "a4");
    s.setText(SettingId::Alias4_ssid, "0");
    return s;
}

// What "Write config" shows for these settings: its information box, or the
// error box of a number that does not convert.
std::string refusalShown(const Settings& s) {
    RecordingUi ui;
    ConfigImage image{};
    static_cast<void>(EncodeConfiguration(s, ui, image, 0));
    const auto boxes = ui.boxes();
    return boxes.size() == 1 ? boxes[0] : "(" + std::to_string(boxes.size()) + " boxes)";
}

std::vector<Problem> errorsOf(const std::vector<Problem>& all) {
    std::vector<Problem> errors;
    for (const Problem& p : all)
        if (p.severity == Severity::Error) errors.push_back(p);
    return errors;
}

TEST(ProblemRefusals, FirstErrorIsTheRefusalOfWriteConfig) {
    for (const Fault& f : kFaults) {
        SCOPED_TRACE(f.setting + " = '" + f.value + "'");
        SettingsModel s = namedEntries();
        s.setText(settingNamed(f.setting), f.value);
        const auto errors = errorsOf(problems::findProblems(s));
        ASSERT_EQ(errors.size(), 1u) << ::testing::PrintToString(errors);
        EXPECT_EQ(settingName(errors[0].setting), f.setting);
        EXPECT_EQ(errors[0].message, refusalShown(s));
        EXPECT_EQ(errors[0].page, settingsCatalogue().def(f.setting).page);
    }
}

TEST(ProblemRefusals, EveryRefusedSettingIsListedInTheOrderOfWriteConfig) {
    SettingsModel all = namedEntries();
    std::vector<Problem> expected;
    std::set<std::string> seen;
    for (const Fault& f : kFaults) {
        // One fault per setting; an empty callsign would leave its SSID unchecked.
        if (!seen.insert(f.setting).second || f.setting == "Callsign") continue;
        SettingsModel alone = namedEntries();
        alone.setText(settingNamed(f.setting), f.value);
        expected.push_back({Severity::Error, settingNamed(f.setting), refusalShown(alone),
                            settingsCatalogue().def(f.setting).page});
        all.setText(settingNamed(f.setting), f.value);
    }
    all.setIndex(SettingId::Mice_message, 7);  // advice: listed after every error

    const auto found = problems::findProblems(all);
    EXPECT_EQ(errorsOf(found), expected);
    EXPECT_TRUE(std::is_partitioned(found.begin(), found.end(),
                                    [](const Problem& p) { return p.severity == Severity::Error; }));
    EXPECT_TRUE(std::any_of(found.begin(), found.end(), [](const Problem& p) {
        return p.severity == Severity::Warning && p.setting == SettingId::Mice_message;
    }));
    EXPECT_EQ(refusalShown(all), expected.front().message);
}

TEST(ProblemRefusals, NoErrorWhereWriteConfigAccepts) {
    std::mt19937 rng(19);
    for (int i = 0; i < 200; ++i) {
        SettingsModel s;
        fillRandomValidSettings(s, rng);
        EXPECT_EQ(errorsOf(problems::findProblems(s)), std::vector<Problem>{}) << "draw " << i;
    }
}

TEST(ProblemRefusals, TheDefaultsHaveNone) {
    EXPECT_EQ(problems::findProblems(SettingsModel{}), std::vector<Problem>{});
}

}  // namespace
}  // namespace zeru::test
