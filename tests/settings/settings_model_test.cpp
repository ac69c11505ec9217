// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_model.h"

#include <gtest/gtest.h>

namespace zeru {
namespace {

TEST(SettingsModel, StartsAtTheDefaults) {
    SettingsModel m;
    EXPECT_EQ(m.text(SettingId::Callsign), "NOCALL");
    EXPECT_EQ(m.index(SettingId::Serial2_mode), 2);
    EXPECT_TRUE(m.isEnabled(SettingId::Position_time));
}

TEST(SettingsModel, IndexOutsideTheListLeavesNothingSelected) {
    SettingsModel m;
    for (int index : {7, 2, -1, -5}) {
        m.setIndex(SettingId::Ptt, index);
        EXPECT_EQ(m.index(SettingId::Ptt), -1) << index;
    }
    m.setIndex(SettingId::Ptt, 1);
    EXPECT_EQ(m.index(SettingId::Ptt), 1);
}

TEST(SettingsModel, ProgramWriteIsNotLimitedByTheTypingLimit) {
    SettingsModel m;
    m.setText(SettingId::Callsign, "LONGERTHANSIX");
    EXPECT_EQ(m.text(SettingId::Callsign), "LONGERTHANSIX");
}

TEST(SettingsModel, WrongKindOrUnknownNameIsAnError) {
    SettingsModel m;
    EXPECT_THROW(m.text(SettingId::Ptt), std::logic_error);
    EXPECT_THROW(m.setIndex(SettingId::Callsign, 0), std::logic_error);
    EXPECT_THROW(m.text(settingNamed("Nope")), std::out_of_range);
}

TEST(SettingsModel, CopyAndCompare) {
    SettingsModel a, b;
    a.setText(SettingId::Teletitle, "x");
    a.setIndex(SettingId::Kiss_check, 0);
    EXPECT_FALSE(a == b);
    copySettings(a, b);
    EXPECT_TRUE(a == b);
}

}  // namespace
}  // namespace zeru
