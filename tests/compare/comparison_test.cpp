// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison's rules: numbers by value, choices by index and entry text,
// texts exactly, header keys never, and the line format with its quoting.
#include "compare/comparison.h"

#include <gtest/gtest.h>

#include <functional>

#include "settings/settings_model.h"

namespace zeru::compare {
namespace {

struct Case {
    const char* what;
    std::function<void(SettingsModel&)> change;  // applied to the second configuration
    std::vector<std::string> lines;              // expected difference lines
};

class ComparisonRules : public ::testing::TestWithParam<Case> {};

TEST_P(ComparisonRules, ListsExactlyTheDifferingSettings) {
    SettingsModel a, b;
    a.setText(SettingId::Txdelay, "250");
    GetParam().change(b);
    std::vector<std::string> lines;
    for (const Difference& d : compareSettings(a, b)) lines.push_back(differenceLine(d));
    EXPECT_EQ(lines, GetParam().lines) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ComparisonRules,
    ::testing::Values(
        Case{"same", [](SettingsModel& b) { b.setText(SettingId::Txdelay, "250"); }, {}},
        Case{"number by value", [](SettingsModel& b) { b.setText(SettingId::Txdelay, "0250"); }, {}},
        Case{"hexadecimal number by value",
             [](SettingsModel& b) { b.setText(SettingId::Txdelay, "$FA"); },
             {}},
        Case{"number differs",
             [](SettingsModel& b) { b.setText(SettingId::Txdelay, "300"); },
             {"Radio.TXdelay: \"250\" -> \"300\""}},
        Case{"number that does not convert compares as text",
             [](SettingsModel& b) { b.setText(SettingId::Txdelay, "25O"); },
             {"Radio.TXdelay: \"250\" -> \"25O\""}},
        Case{"text exactly, case counts",
             [](SettingsModel& b) {
                 b.setText(SettingId::Txdelay, "250");
                 b.setText(SettingId::Callsign, "n0call");
             },
             {"Radio.Callsign: \"NOCALL\" -> \"n0call\""}},
        Case{"choice by index, shown by entry text",
             [](SettingsModel& b) {
                 b.setText(SettingId::Txdelay, "250");
                 b.setIndex(SettingId::Squelch, 9);
             },
             {"Radio.Squelch: \"1 (lowest)\" -> \"10 (highest)\""}},
        Case{"nothing selected shows empty",
             [](SettingsModel& b) {
                 b.setText(SettingId::Txdelay, "250");
                 b.setIndex(SettingId::Squelch, -1);
             },
             {"Radio.Squelch: \"1 (lowest)\" -> \"\""}},
        Case{"quotes and backslashes escaped",
             [](SettingsModel& b) {
                 b.setText(SettingId::Txdelay, "250");
                 b.setText(SettingId::Position_status_text, "say \"hi\" \\o/");
             },
             {"PositionReports.Status: \"\" -> \"say \\\"hi\\\" \\\\o/\""}}),
    [](const auto& info) { return std::to_string(info.index); });

}  // namespace
}  // namespace zeru::compare
