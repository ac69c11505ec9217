// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "rules/rules.h"
#include "settings/settings_model.h"
#include "support/recording_ui.h"

namespace zeru::rules {
namespace {

const std::string kBtNoneConsole =
    "Bluetooth port 1 changed to None.\rReason:\rSerial console can be selected on one port only.";
const std::string kBtNoneKiss =
    "Bluetooth port 1 changed to None.\rReason:\rKISS packet output can be selected on one port only.";
const std::string kRsNoneConsole =
    "RS-232 port 2 changed to None.\rReason:\rSerial console can be selected on one port only.";
const std::string kRsNoneKiss =
    "RS-232 port 2 changed to None.\rReason:\rKISS packet output can be selected on one port only.";
const std::string kRsGps =
    "RS-232 port 2 changed to GPS.\rReason:\rGPS passthrough function on Bluetooth 1 port needs a GPS "
    "connected to RS-232 port 2.";

enum class Rule { Rs232, Bluetooth };

struct Row {
    Rule rule;
    int serial1, serial2;  // before
    int afterSerial1, afterSerial2;
    std::string message;  // "" for none
};

TEST(PortRules, EveryRow) {
    const Row rows[] = {
        {Rule::Rs232, 2, 1, 2, 0, kBtNoneConsole},
        {Rule::Rs232, 4, 2, 4, 0, kBtNoneKiss},
        {Rule::Rs232, 2, 2, 2, 2, ""},
        {Rule::Rs232, 4, 1, 4, 1, ""},
        {Rule::Rs232, 3, 3, 3, 3, ""},  // RS-232 rule never checks GPS passthrough
        {Rule::Rs232, 1, 1, 1, 1, ""},
        {Rule::Rs232, -1, 1, -1, 1, ""},
        {Rule::Bluetooth, 2, 1, 0, 1, kRsNoneConsole},
        {Rule::Bluetooth, 4, 2, 0, 2, kRsNoneKiss},
        {Rule::Bluetooth, 4, 3, 3, 3, kRsGps},
        {Rule::Bluetooth, 0, 3, 3, 3, kRsGps},
        {Rule::Bluetooth, -1, 3, 3, 3, kRsGps},
        {Rule::Bluetooth, 3, 3, 3, 3, ""},
        {Rule::Bluetooth, 2, 2, 2, 2, ""},
        {Rule::Bluetooth, 2, 0, 2, 0, ""},
        {Rule::Bluetooth, 2, -1, 2, -1, ""},
    };
    for (const Row& r : rows) {
        SettingsModel m;
        m.setIndex(SettingId::Serial1_mode, r.serial1);
        m.setIndex(SettingId::Serial2_mode, r.serial2);
        auto message = r.rule == Rule::Rs232 ? serial1ModeChanged(m) : serial2ModeChanged(m);
        SCOPED_TRACE(testing::Message()
                     << (r.rule == Rule::Rs232 ? "RS-232 " : "BT ") << r.serial1 << "/" << r.serial2);
        EXPECT_EQ(message.value_or(""), r.message);
        EXPECT_EQ(m.index(SettingId::Serial1_mode), r.afterSerial1);
        EXPECT_EQ(m.index(SettingId::Serial2_mode), r.afterSerial2);
    }
}

TEST(PortRules, NoChain) {
    // GPS passthrough with the RS-232 port on KISS: only the RS-232 port changes;
    // the KISS role then stays with no port, and nothing runs the other rule.
    SettingsModel m;
    m.setIndex(SettingId::Serial1_mode, 4);
    m.setIndex(SettingId::Serial2_mode, 3);
    SettingsModel before = m;
    EXPECT_TRUE(serial2ModeChanged(m).has_value());
    EXPECT_EQ(m.index(SettingId::Serial1_mode), 3);
    EXPECT_EQ(m.index(SettingId::Serial2_mode), 3);
}

TEST(PortRules, LoadOrderRs232RuleWinsForConsoleOnBothPorts) {
    SettingsModel m;
    m.setIndex(SettingId::Serial1_mode, 2);
    m.setIndex(SettingId::Serial2_mode, 1);
    test::RecordingUi ui;
    runPortRules(m, ui);
    EXPECT_EQ(m.index(SettingId::Serial1_mode), 2);
    EXPECT_EQ(m.index(SettingId::Serial2_mode), 0);
    EXPECT_EQ(ui.boxes(), std::vector<std::string>{kBtNoneConsole});
}

TEST(PortRules, WeatherStationRunsBothRules) {
    SettingsModel m;
    EXPECT_TRUE(weatherStationTypeChanged(m).empty());  // consistent defaults: nothing
    m.setIndex(SettingId::Serial1_mode, 0);
    m.setIndex(SettingId::Serial2_mode, 3);
    EXPECT_EQ(weatherStationTypeChanged(m), std::vector<std::string>{kRsGps});
    EXPECT_EQ(m.index(SettingId::Serial1_mode), 3);
}

}  // namespace
}  // namespace zeru::rules
