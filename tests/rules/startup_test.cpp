// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "rules/rules.h"
#include "settings/settings_model.h"
#include "support/recording_ui.h"

namespace zeru::rules {
namespace {

TEST(Startup, GivesThePresetValuesAndDisablesTheTimeFormat) {
    SettingsModel m;
    // Scramble, then run the start-up sequence over it.
    m.setText(SettingId::Teleanalog1_name, "x");
    m.setText(SettingId::Teledigital8_units, "y");
    m.setIndex(SettingId::Serial1_mode, 4);
    test::RecordingUi ui;
    applyStartupSequence(m, ui);
    EXPECT_TRUE(ui.events.empty()) << "the defaults are consistent: no port rule fires";
    EXPECT_TRUE(m == SettingsModel()) << "start-up values equal the catalogue defaults";
    EXPECT_EQ(m.text(SettingId::Teleanalog1_name), "Vin");
    EXPECT_EQ(m.text(SettingId::Teleanalog1_coefb), "0.075");
    EXPECT_EQ(m.text(SettingId::Teleanalog5_name), "A5");
    EXPECT_EQ(m.text(SettingId::Teledigital8_name), "I4");
    EXPECT_EQ(m.text(SettingId::Teledigital8_units), "Hi");
    EXPECT_TRUE(m.isEnabled(SettingId::Mice_message));
    EXPECT_FALSE(m.isEnabled(SettingId::Position_time));
    EXPECT_FALSE(m.isEnabled(kLabelPositionTime));
}

}  // namespace
}  // namespace zeru::rules
