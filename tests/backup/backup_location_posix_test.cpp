// SPDX-License-Identifier: GPL-3.0-or-later
// Where backups go on Linux and other POSIX systems.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <map>

#include "backup/backup_flows.h"
#include "backup/backup_folder.h"
#include "settings/settings_model.h"
#include "support/recording_ui.h"
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

// Every folder made on the way to the backups is the user's alone, however
// open the umask: by a backup, by the window's Backups command, and under it
// the folder of simulated devices.
TEST(BackupFolder, FoldersMadeAreTheUsersAloneWhateverTheUmask) {
    const struct {
        const char* name;
        std::function<void(const fs::path&)> make;
        std::vector<fs::path> made;  // under the state folder
    } cases[] = {
        {"backup",
         [](const fs::path& f) { EXPECT_TRUE(backup::BackupFolder(f).keep(ConfigImage{}, nullptr)); },
         {"state", "state/app", "state/app/backups"}},
        {"simulated device's backup",
         [](const fs::path& f) {
             const fs::path simulated = backup::backupsOf(f, backup::DeviceOrigin::Simulated);
             EXPECT_TRUE(backup::BackupFolder(simulated).keep(ConfigImage{}, nullptr));
         },
         {"state", "state/app", "state/app/backups", "state/app/backups/simulated"}},
        {"Backups command",
         [](const fs::path& f) {
             RecordingUi ui;
             backup::BackupFlows(ui, f, [](const std::string&) {}).openBackup();
         },
         {"state", "state/app", "state/app/backups"}},
    };
    const mode_t umask = ::umask(0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder temp;
        c.make(temp.path() / "state" / "app" / "backups");
        for (const fs::path& made : c.made)
            EXPECT_EQ(fs::status(temp.path() / made).permissions() & fs::perms::all, fs::perms::owner_all)
                << made;
    }
    ::umask(umask);
}

// A backup folder given as another user's link in /tmp is refused, as a save
// to such a link is: the backups would land, and the oldest be pruned, where
// that user chose.
TEST(BackupFolder, APlantedLinkToAFolderIsRefused) {
    if (::geteuid() != 0) GTEST_SKIP() << "a link of another user needs the superuser (chown -h)";
    TempFolder temp;
    const fs::path shared = temp.path() / "shared";
    fs::create_directory(shared);
    fs::permissions(shared, fs::perms(01777));
    const fs::path victim = temp.path() / "victim";
    fs::create_directory(victim);
    const fs::path link = shared / "backups";
    fs::create_symlink(victim, link);
    ASSERT_EQ(::lchown(link.c_str(), 65534, 0), 0);

    const Result<std::string> kept = backup::BackupFolder(link).keep(ConfigImage{}, nullptr);
    ASSERT_FALSE(kept);
    EXPECT_EQ(kept.failure().text,
              "Unable to write to " + link.string() + ": it is another user's link in a shared folder");
    EXPECT_TRUE(fs::is_empty(victim));
}

}  // namespace
}  // namespace zeru::test
