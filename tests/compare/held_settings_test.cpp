// SPDX-License-Identifier: GPL-3.0-or-later
// What a typed configuration looks like once a device holds it: what the image
// cannot tell apart compares equal, a real change still shows, and settings
// "Write config" refuses stay as typed.
#include "compare/held_settings.h"

#include <gtest/gtest.h>

#include <functional>

#include "compare/comparison.h"
#include "image/codec.h"
#include "interaction/silent_ui.h"
#include "rules/rules.h"

namespace zeru::compare {
namespace {

SettingsModel startupSettings() {
    SettingsModel s;
    SilentUi quiet;
    rules::applyStartupSequence(s, quiet);
    return s;
}

struct Case {
    const char* what;
    std::function<void(SettingsModel&)> type;  // what the user typed over the start-up settings
    bool writable;                             // whether "Write config" takes it
    std::vector<std::string> lines;            // against a device holding the start-up settings
};

class HeldSettings : public ::testing::TestWithParam<Case> {};

TEST_P(HeldSettings, ComparesWithWhatTheDeviceHolds) {
    SettingsModel device;
    ConfigImage image{};
    SilentUi quiet;
    ASSERT_TRUE(EncodeConfiguration(startupSettings(), quiet, image, 7));
    ASSERT_TRUE(DecodeConfiguration(image, device, quiet));

    SettingsModel typed = startupSettings();
    GetParam().type(typed);
    const SettingsModel asTyped = typed;
    const bool held = asTheDeviceHoldsIt(typed, typed);
    EXPECT_EQ(held, GetParam().writable);
    if (!held) {
        EXPECT_EQ(typed, asTyped);
    }

    std::vector<std::string> lines;
    for (const Difference& d : compareSettings(device, typed)) lines.push_back(differenceLine(d));
    EXPECT_EQ(lines, GetParam().lines) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Typed, HeldSettings,
    ::testing::Values(Case{"the start-up settings themselves", [](SettingsModel&) {}, true, {}},
                      Case{"an alias without a name has SSID 0",
                           [](SettingsModel& s) { s.setText(SettingId::Alias2_ssid, "7"); },
                           true,
                           {}},
                      Case{"station names in capitals",
                           [](SettingsModel& s) { s.setText(SettingId::Callsign, "nocall"); },
                           true,
                           {}},
                      Case{"a real change",
                           [](SettingsModel& s) { s.setText(SettingId::Callsign, "OK1ZRU"); },
                           true,
                           {"Radio.Callsign: \"NOCALL\" -> \"OK1ZRU\""}},
                      Case{"port roles as they stand, not settled",
                           [](SettingsModel& s) {
                               s.setIndex(SettingId::Serial2_mode, 3);
                               s.setIndex(SettingId::Serial1_mode, 4);
                           },
                           true,
                           {"SerialPorts.Serial1: \"Serial console\" -> \"KISS\"",
                            "SerialPorts.Serial2: \"KISS\" -> \"GPS passthrough\""}},
                      Case{"refused settings stay as typed, empty SSIDs and all",
                           [](SettingsModel& s) { s.setText(SettingId::Txdelay, "12a"); },
                           false,
                           {"Radio.TXdelay: \"250\" -> \"12a\"", "PositionReports.SSID3: \"0\" -> \"\"",
                            "Digipeater.Digi2_SSID: \"0\" -> \"\"", "Digipeater.Digi3_SSID: \"0\" -> \"\"",
                            "Digipeater.Digi4_SSID: \"0\" -> \"\"", "Digipeater.Digi5_SSID: \"0\" -> \"\"",
                            "Digipeater.Digi6_SSID: \"0\" -> \"\"", "Digipeater.Digi7_SSID: \"0\" -> \"\"",
                            "Digipeater.Digi8_SSID: \"0\" -> \"\""}}));

}  // namespace
}  // namespace zeru::compare
