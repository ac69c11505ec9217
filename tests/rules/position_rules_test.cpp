// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "rules/rules.h"
#include "settings/settings_model.h"

namespace zeru::rules {
namespace {

TEST(PositionRules, EncodingEnablesItsFields) {
    struct Row {
        int encoding;
        bool mice, time;
    };
    const Row rows[] = {{0, true, false}, {1, false, true}, {2, false, true}};
    for (const Row& r : rows) {
        SettingsModel m;
        m.setIndex(SettingId::Position_report_encoding, r.encoding);
        positionEncodingChanged(m);
        EXPECT_EQ(m.isEnabled(kLabelMiceMessage1), r.mice) << r.encoding;
        EXPECT_EQ(m.isEnabled(kLabelMiceMessage2), r.mice) << r.encoding;
        EXPECT_EQ(m.isEnabled(SettingId::Mice_message), r.mice) << r.encoding;
        EXPECT_EQ(m.isEnabled(kLabelPositionTime), r.time) << r.encoding;
        EXPECT_EQ(m.isEnabled(SettingId::Position_time), r.time) << r.encoding;
    }
}

TEST(PositionRules, NoSelectionLeavesTheFieldsAndDisabledFieldsKeepTheirValues) {
    SettingsModel m;
    m.setIndex(SettingId::Mice_message, 5);
    m.setIndex(SettingId::Position_report_encoding, 2);
    positionEncodingChanged(m);
    m.setIndex(SettingId::Position_report_encoding, -1);
    positionEncodingChanged(m);
    EXPECT_FALSE(m.isEnabled(SettingId::Mice_message));
    EXPECT_TRUE(m.isEnabled(SettingId::Position_time));
    m.setIndex(SettingId::Position_report_encoding, 0);
    positionEncodingChanged(m);
    EXPECT_EQ(m.index(SettingId::Mice_message), 5);
    EXPECT_TRUE(m.isEnabled(SettingId::Mice_message));
}

TEST(PositionRules, ModeRuleDisablesNothing) {
    SettingsModel m;
    SettingsModel before = m;
    m.setIndex(SettingId::Position_report_mode, 0);
    positionReportModeChanged(m);
    for (const char* f : {"Smartbeaconing_min_turn_angle", "Position_report_interval", "Position_time"})
        EXPECT_TRUE(m.isEnabled(f)) << f;
}

}  // namespace
}  // namespace zeru::rules
