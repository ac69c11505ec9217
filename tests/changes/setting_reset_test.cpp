// SPDX-License-Identifier: GPL-3.0-or-later
// One setting set back to its default or to the last read value, as a
// user's pick: the value, the rules that follow it, and the tooltip's note.
#include "changes/setting_reset.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "settings/settings_model.h"
#include "support/recording_ui.h"

namespace zeru::changes {
namespace {

using S = SettingId;

TEST(SettingReset, SetsTheValueBackAndSettlesTheRules) {
    SettingsModel lastRead;
    lastRead.setText(S::Callsign, "OK1ZRU");
    lastRead.setIndex(S::Serial1_mode, 4);  // KISS on RS-232, none on Bluetooth
    lastRead.setIndex(S::Serial2_mode, 0);
    lastRead.setIndex(S::Position_report_encoding, 1);
    struct Case {
        std::string what;
        std::function<void(SettingsModel&)> change;  // the user's change before the reset
        Assignment reset;
        std::function<bool(const SettingsModel&)> after;
        std::size_t boxes;  // information boxes the rules showed
    };
    const Case cases[] = {
        {"text to default", [](SettingsModel& s) { s.setText(S::Callsign, "SP9X"); },
         defaultAssignment(S::Callsign),
         [](const SettingsModel& s) { return s.text(S::Callsign) == "NOCALL"; }, 0},
        {"text to last read", [](SettingsModel& s) { s.setText(S::Callsign, "SP9X"); },
         assignmentFrom(S::Callsign, lastRead),
         [](const SettingsModel& s) { return s.text(S::Callsign) == "OK1ZRU"; }, 0},
        // Bluetooth back to KISS while RS-232 holds KISS: the port rule moves RS-232 to None.
        {"choice to default, a port rule follows",
         [](SettingsModel& s) {
             s.setIndex(S::Serial2_mode, 0);
             s.setIndex(S::Serial1_mode, 4);
         },
         defaultAssignment(S::Serial2_mode),
         [](const SettingsModel& s) {
             return s.index(S::Serial2_mode) == 2 && s.index(S::Serial1_mode) == 0;
         },
         1},
        // Plain text encoding as last read: the Mic-E message is switched off again.
        {"choice to last read, the encoding rule follows",
         [](SettingsModel& s) {
             s.setIndex(S::Position_report_encoding, 0);
             s.setEnabled(S::Mice_message, true);
         },
         assignmentFrom(S::Position_report_encoding, lastRead),
         [](const SettingsModel& s) {
             return s.index(S::Position_report_encoding) == 1 && !s.isEnabled(S::Mice_message);
         },
         0},
    };
    for (const Case& c : cases) {
        SettingsModel settings;
        c.change(settings);
        EXPECT_FALSE(holds(settings, c.reset)) << c.what;
        test::RecordingUi ui;
        assign(settings, c.reset, ui);
        EXPECT_TRUE(c.after(settings)) << c.what;
        EXPECT_TRUE(holds(settings, c.reset)) << c.what;
        EXPECT_EQ(ui.boxes().size(), c.boxes) << c.what;
    }
}

TEST(SettingReset, DefaultNoteTellsTheStartUpValue) {
    const Catalogue& catalogue = settingsCatalogue();
    EXPECT_EQ(defaultNote(catalogue.def(S::Txdelay)), "Default: 250");
    EXPECT_EQ(defaultNote(catalogue.def(S::Position_report_mode)), "Default: SmartBeaconing");
    EXPECT_EQ(defaultNote(catalogue.def(S::Beacon4_message)), "Default: empty");
}

}  // namespace
}  // namespace zeru::changes
