// SPDX-License-Identifier: GPL-3.0-or-later
// Where backups go on Windows.
#include <gtest/gtest.h>

#include <map>

#include "backup/backup_folder.h"
#include "interaction/utf8_path.h"

namespace zeru::test {
namespace {

namespace fs = std::filesystem;

TEST(BackupFolder, DefaultFolderIsUnderLocalAppData) {
    using Env = std::map<std::string, std::string>;
    const std::string user = "C:\\Users\\\xD0\x9E\xD0\xBB\xD0\xB5\xD0\xB3\\AppData\\Local";  // Олег
    const struct {
        Env env;
        std::optional<fs::path> folder;
    } cases[] = {
        {{{"LOCALAPPDATA", user}, {"HOME", "C:\\h"}}, pathFromUtf8(user) / "Kestrovane" / "Zeru" / "backups"},
        {{{"LOCALAPPDATA", "\\\\server\\share"}}, fs::path(L"\\\\server\\share\\Kestrovane\\Zeru\\backups")},
        {{{"LOCALAPPDATA", "relative"}, {"HOME", "C:\\h"}}, std::nullopt},
        {{{"LOCALAPPDATA", ""}}, std::nullopt},
        {{{"XDG_STATE_HOME", "C:\\s"}, {"HOME", "C:\\h"}}, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto folder = backup::defaultBackupFolder([&](const char* name) -> std::optional<std::string> {
            auto it = c.env.find(name);
            return it == c.env.end() ? std::nullopt : std::optional(it->second);
        });
        EXPECT_EQ(folder, c.folder);
    }
}

}  // namespace
}  // namespace zeru::test
