// SPDX-License-Identifier: GPL-3.0-or-later
// Where backups go on Linux and other POSIX systems.
#include <gtest/gtest.h>

#include <map>

#include "backup/backup_folder.h"
#include "settings/settings_model.h"
#include "temp_folder.h"

namespace zeru::test {
namespace {

namespace fs = std::filesystem;

TEST(BackupFolder, DefaultFolderFollowsTheStateDirectory) {
    using Env = std::map<std::string, std::string>;
    const struct {
        Env env;
        std::optional<fs::path> folder;
    } cases[] = {
        {{{"XDG_STATE_HOME", "/s"}, {"HOME", "/h"}}, "/s/kestrovane-zeru/backups"},
        {{{"XDG_STATE_HOME", ""}, {"HOME", "/h"}}, "/h/.local/state/kestrovane-zeru/backups"},
        {{{"XDG_STATE_HOME", "relative"}, {"HOME", "/h"}}, "/h/.local/state/kestrovane-zeru/backups"},
        {{{"HOME", "/h"}}, "/h/.local/state/kestrovane-zeru/backups"},
        {{}, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto folder = backup::defaultBackupFolder([&](const char* name) -> std::optional<std::string> {
            auto it = c.env.find(name);
            return it == c.env.end() ? std::nullopt : std::optional(it->second);
        });
        EXPECT_EQ(folder, c.folder);
    }
}

TEST(BackupFolder, FolderIsTheUsersAlone) {
    TempFolder temp;
    const fs::path folder = temp.path() / "state" / "backups";
    backup::BackupFolder backups(folder);
    ConfigImage memory{};
    EXPECT_TRUE(backups.keep(memory, nullptr));
    EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all);
}

}  // namespace
}  // namespace zeru::test
