// SPDX-License-Identifier: GPL-3.0-or-later
// A refusal carries what failed, and zeru-cli's exit status comes from its
// kind: each cause, the setting it names and the status documented for it.
#include "cli/exit_status.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "cfgfile/config_file.h"
#include "cli/backup_command.h"
#include "cli/set_option.h"
#include "image/codec.h"
#include "interaction/silent_ui.h"
#include "settings/settings_model.h"

namespace zeru::cli {
namespace {

TEST(ExitStatus, EachRefusalNamesItsSettingAndGivesItsStatus) {
    struct Row {
        const char* cause;
        std::function<Outcome(SettingsModel&, UserInterface&)> run;
        std::optional<SettingId> setting;
        int status;
    };
    const Row rows[] = {
        {"a value out of range",
         [](SettingsModel& s, UserInterface& ui) {
             s.setText(SettingId::Beacon2_txrate, "1");
             ConfigImage image{};
             return EncodeConfiguration(s, ui, image, 0);
         },
         SettingId::Beacon2_txrate, 2},
        {"a number that does not convert",
         [](SettingsModel& s, UserInterface& ui) {
             s.setText(SettingId::Tele_holdoff, "soon");
             ConfigImage image{};
             return EncodeConfiguration(s, ui, image, 0);
         },
         SettingId::Tele_holdoff, 2},
        {"--set of an unknown key",
         [](SettingsModel& s, UserInterface& ui) { return applySetOption(s, "Radio.Nonsense", "1", ui); },
         std::nullopt, 2},
        {"--set of a choice that is no index",
         [](SettingsModel& s, UserInterface& ui) { return applySetOption(s, "Radio.PTT", "on", ui); },
         SettingId::Ptt, 2},
        {"a save of a text with a line break",
         [](SettingsModel& s, UserInterface&) {
             s.setText(SettingId::Beacon1_message, "two\nlines");
             return cfgfile::saveConfigFile(s, "");
         },
         SettingId::Beacon1_message, 3},
        {"a save that cannot write",
         [](SettingsModel& s, UserInterface&) { return cfgfile::saveConfigFile(s, ""); }, std::nullopt, 3},
        {"a backup with no folder known",
         [](SettingsModel&, UserInterface&) {
             const Outcome known = backupFolderOf({}, std::nullopt).outcome();
             if (!known) {
                 EXPECT_EQ(known.failure().text, "No backup folder: set " + backup::backupFolderVariables() +
                                                     ", or give --backup-dir.");
             }
             return known;
         },
         std::nullopt, 3},
    };
    for (const Row& r : rows) {
        SettingsModel settings;
        SilentUi ui;
        const Outcome outcome = r.run(settings, ui);
        ASSERT_FALSE(outcome) << r.cause;
        EXPECT_EQ(outcome.failure().setting, r.setting) << r.cause;
        EXPECT_EQ(exitStatus(outcome), r.status) << r.cause;
    }
}

TEST(ExitStatus, EveryKindHasItsDocumentedStatus) {
    EXPECT_EQ(exitStatus(Outcome()), 0);
    EXPECT_EQ(exitStatus(FailureKind::Usage), 1);
    EXPECT_EQ(exitStatus(FailureKind::SettingsRefused), 2);
    EXPECT_EQ(exitStatus(FailureKind::ImageRefused), 3);
    EXPECT_EQ(exitStatus(FailureKind::NoDevice), 4);
    EXPECT_EQ(exitStatus(FailureKind::DeviceFailed), 5);
}

}  // namespace
}  // namespace zeru::cli
