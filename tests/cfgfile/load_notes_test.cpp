// SPDX-License-Identifier: GPL-3.0-or-later
// A load tells, one line per key, each value it did not take as it stands,
// and loads exactly what it loaded before.
#include <gtest/gtest.h>

#include "cfgfile/config_file.h"
#include "settings/settings_model.h"
#include "support/recording_ui.h"

namespace zeru::cfgfile {
namespace {

const std::string kHeader = "[!WARNING]\r\nApplication=Kestrovane Zeru Configurator\r\nVersion=v1.02\r\n";

TEST(LoadNotes, OneLinePerValueNotTakenAsItStands) {
    struct Row {
        const char* section;
        const char* line;
        std::vector<std::string> notes;
        const char* setting;
        std::optional<int> expected;  // the loaded number, or index of a choice
    };
    const Row rows[] = {
        {"Radio",
         "TXdelay=2.5e2",
         {"Radio.TXdelay: \"2.5e2\" is not a whole number; 250 used."},
         "Txdelay",
         250},
        {"Radio", "TXdelay=", {"Radio.TXdelay: \"\" is not a whole number; 250 used."}, "Txdelay", 250},
        {"Radio", "TXdelay=0x1F", {}, "Txdelay", 31},
        {"Radio",
         "PTT=say \"hi\"\\",
         {"Radio.PTT: \"say \\\"hi\\\"\\\\\" is not a whole number; 0 (\"separate output\") used."},
         "Ptt",
         0},
        {"Radio", "PTT=7", {"Radio.PTT: \"7\" is not in its list; no entry selected."}, "Ptt", -1},
        {"Radio", "PTT=-2", {"Radio.PTT: \"-2\" is not in its list; no entry selected."}, "Ptt", -1},
        {"Radio", "PTT=-1", {}, "Ptt", -1},
        {"Radio", "PTT=1", {}, "Ptt", 1},
        {"Digipeater",
         "Digi1_enable=2",
         {"Digipeater.Digi1_enable: \"2\" is not in its list; no entry selected."},
         "Alias1_enable",
         -1},
        {"Radio", "Callsign=2.5e2", {}, "Callsign", std::nullopt},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        SettingsModel settings;
        test::RecordingUi ui;
        ASSERT_TRUE(applyConfigFile(ProfileFile(kHeader + "[" + r.section + "]\r\n" + r.line + "\r\n"),
                                    settings, ui));
        EXPECT_EQ(ui.logLines(), r.notes);
        if (!r.expected) continue;
        if (settings.catalogue().def(r.setting).choices.empty())
            EXPECT_EQ(settings.text(settingNamed(r.setting)), std::to_string(*r.expected));
        else
            EXPECT_EQ(settings.index(settingNamed(r.setting)), *r.expected);
    }
}

}  // namespace
}  // namespace zeru::cfgfile
