// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/backup_flows.h"

#include <gtest/gtest.h>

#include "cfgfile/config_file.h"
#include "cfgfile/file_flows.h"
#include "settings/settings_model.h"
#include "support/recording_ui.h"
#include "temp_folder.h"

namespace zeru::test {
namespace {

// The dialog opens in the backup folder; a .cfg goes to "Read from file", a
// .bin is refused in plain words, a cancel does nothing.
TEST(BackupFlows, OpensTheFolderAndLoadsOnlyConfigurationFiles) {
    TempFolder temp;
    SettingsModel saved;
    saved.setText(SettingId::Callsign, "OK1ZRU");
    EXPECT_TRUE(cfgfile::saveConfigFile(saved, temp.file("a.cfg")));
    writeBytes(temp.file("a.bin"), std::string(7168, '\0'));
    const struct {
        std::optional<std::string> chosen;
        std::string callsign;
        std::vector<std::string> boxes;
    } cases[] = {
        {std::nullopt, "NOCALL", {}},
        {temp.file("a.cfg"), "OK1ZRU", {}},
        {temp.file("a.bin"), "NOCALL", {std::string(backup::kOnlyCfgLoads)}},
    };
    for (const auto& c : cases) {
        SettingsModel settings;
        RecordingUi ui;
        ui.openAnswer = c.chosen;
        cfgfile::FileFlows files(settings, ui, "");
        backup::BackupFlows(ui, temp.path(), [&](const std::string& path) {
            static_cast<void>(files.readFromFile(path));  // a refusal is told in its box
        }).openBackup();
        ASSERT_EQ(ui.dialogs.size(), 1u);
        EXPECT_EQ(ui.dialogs[0].startFolder, temp.path().string());
        EXPECT_EQ(ui.dialogs[0].filter, cfgfile::kConfigFileFilter);
        EXPECT_EQ(settings.text(SettingId::Callsign), c.callsign);
        EXPECT_EQ(ui.boxes(), c.boxes);
    }
}

}  // namespace
}  // namespace zeru::test
