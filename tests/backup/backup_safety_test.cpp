// SPDX-License-Identifier: GPL-3.0-or-later
// The backups a user counts on: the one just reported exists, processes
// writing at the same moment keep one pair each, files stay private, and a
// pair a kill split is made whole again.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <set>

#include "backup/backup_folder.h"
#include "backup/quiet_decode.h"
#include "cfgfile/config_file.h"
#include "settings/settings_model.h"
#include "support/encoded_image.h"
#include "temp_folder.h"

namespace zeru::test {
namespace {

namespace fs = std::filesystem;
using backup::BackupFolder;

std::tm clockAt(int year) {
    std::tm time{};
    time.tm_mday = 1, time.tm_year = year - 1900;
    return time;
}

SettingsModel station(const std::string& txdelay = "250") {
    SettingsModel s;
    s.setText(SettingId::Callsign, "OK1ZRU");
    s.setText(SettingId::Ssid, "9");
    s.setText(SettingId::Txdelay, txdelay);
    return s;
}

std::string keepBackupOf(BackupFolder& backups, const SettingsModel& settings) {
    return backups.keep(encodeOrFail(settings), &settings).value();
}

fs::perms permissionsOf(const fs::path& path) { return fs::status(path).permissions() & fs::perms::all; }

// 200 backups named `year`, one a minute, their files made `age` ago (negative: ahead).
void plantBackups(const fs::path& folder, int year, std::chrono::minutes age) {
    fs::create_directories(folder);
    const auto now = fs::file_time_type::clock::now();
    for (int i = 0; i < 200; ++i) {
        char base[64];
        std::snprintf(base, sizeof base, "%d-01-01T%02d-%02d-00_OK1ZRU-9", year, i / 60, i % 60);
        const fs::path bin = folder / (std::string(base) + ".bin");
        writeBytes(bin.string(), "");
        fs::last_write_time(bin, now - age + std::chrono::seconds(i));
    }
}

TEST(BackupSafety, TheBackupJustMadeStaysWhateverTheOthersAreStamped) {
    using std::chrono::minutes;
    const struct {
        const char* folder;
        int plantedYear;
        minutes plantedAge;
    } cases[] = {
        {"names from a later time zone", 2031, minutes(60)},
        {"made while the clock ran ahead", 2031, minutes(-60 * 24 * 365)},
        {"ordinary older backups", 2020, minutes(60)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        TempFolder temp;
        plantBackups(temp.path(), c.plantedYear, c.plantedAge);
        BackupFolder backups(temp.path(), [] { return clockAt(2026); });

        const std::string first = keepBackupOf(backups, station());
        const std::string second = keepBackupOf(backups, station("300"));

        EXPECT_TRUE(fs::exists(first));
        EXPECT_TRUE(fs::exists(second));
        const auto entries = backups.list();
        ASSERT_EQ(entries.size(), 200u);
        EXPECT_EQ(entries[0].path.string(), second);
        EXPECT_EQ(entries[1].path.string(), first);
    }
}

TEST(BackupSafety, FilesArePrivateWhateverTheUmaskAndAnOpenFolderIsToldOf) {
    const struct {
        mode_t umask;
        std::optional<fs::perms> existingFolder;  // nullopt: made by the backup
        fs::perms folderAfter;
        bool told;
    } cases[] = {
        {000, std::nullopt, fs::perms::owner_all, false},
        {022, std::nullopt, fs::perms::owner_all, false},
        {077, std::nullopt, fs::perms::owner_all, false},
        {000, fs::perms::owner_all, fs::perms::owner_all, false},
        {022, fs::perms(0755), fs::perms(0755), true},
        {000, fs::perms(0777), fs::perms(0777), true},
        {022, fs::perms(0730), fs::perms(0730), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("umask " + std::to_string(c.umask) + ", folder " +
                     (c.existingFolder ? std::to_string(static_cast<int>(*c.existingFolder)) : "new"));
        TempFolder temp;
        const fs::path folder = temp.path() / "backups";
        if (c.existingFolder) {
            fs::create_directory(folder);
            fs::permissions(folder, *c.existingFolder);
        }
        BackupFolder backups(folder, [] { return clockAt(2026); });
        const mode_t old = ::umask(c.umask);
        const auto note = backups.folderNote();
        const std::string kept = keepBackupOf(backups, station());
        ::umask(old);

        EXPECT_EQ(permissionsOf(folder), c.folderAfter);
        EXPECT_EQ(note.has_value(), c.told);
        if (note) {
            EXPECT_EQ(*note, "Backup folder " + folder.string() + " can be read by others.");
        }
        for (const auto& e : fs::directory_iterator(folder))
            EXPECT_EQ(permissionsOf(e.path()), fs::perms::owner_read | fs::perms::owner_write) << e.path();
        EXPECT_EQ(fs::path(kept).extension(), ".cfg");
    }
}

// Each round forks two processes that keep a backup of the same station in
// the same second, each with its own TXdelay.
TEST(BackupSafety, ProcessesRacingOnOneFolderKeepAPairEach) {
    constexpr int kRounds = 25;
    TempFolder temp;
    std::set<std::string> reported;
    for (int round = 0; round < kRounds; ++round) {
        int toChildren[2], fromChildren[2];
        ASSERT_EQ(::pipe(toChildren), 0);
        ASSERT_EQ(::pipe(fromChildren), 0);
        pid_t children[2];
        for (int child = 0; child < 2; ++child) {
            children[child] = ::fork();
            ASSERT_GE(children[child], 0);
            if (children[child] == 0) {
                char go = 0;
                if (::read(toChildren[0], &go, 1) != 1) ::_exit(2);  // start together
                BackupFolder backups(temp.path(), [] { return clockAt(2026); });
                const SettingsModel mine = station(std::to_string(300 + 2 * round + child));
                std::string path = backups.keep(encodeOrFail(mine), &mine).value() + "\n";
                const bool told =
                    ::write(fromChildren[1], path.data(), path.size()) == static_cast<ssize_t>(path.size());
                ::_exit(told ? 0 : 1);
            }
        }
        ASSERT_EQ(::write(toChildren[1], "gg", 2), 2);
        for (pid_t child : children) {
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        ::close(fromChildren[1]);
        char buffer[4096];
        const ssize_t n = ::read(fromChildren[0], buffer, sizeof buffer);
        ASSERT_GT(n, 0);
        std::string lines(buffer, static_cast<std::size_t>(n));
        for (std::size_t at = 0, end; (end = lines.find('\n', at)) != std::string::npos; at = end + 1)
            reported.insert(lines.substr(at, end - at));
        for (int fd : {toChildren[0], toChildren[1], fromChildren[0]}) ::close(fd);
    }

    EXPECT_EQ(reported.size(), 2u * kRounds);
    std::set<std::string> txdelays;
    for (const std::string& cfg : reported) {
        SCOPED_TRACE(cfg);
        ASSERT_TRUE(fs::exists(cfg));
        SettingsModel fromCfg, fromBin;
        RecordingUi ui;
        ASSERT_TRUE(cfgfile::loadConfigFile(cfg, fromCfg, ui));
        const std::string bin = readBytes(fs::path(cfg).replace_extension(".bin").string());
        ASSERT_EQ(bin.size(), kImageSize);
        ConfigImage memory{};
        std::copy(bin.begin(), bin.end(), memory.begin());
        ASSERT_TRUE(backup::decodeQuietly(memory, fromBin));
        EXPECT_EQ(fromCfg.text(SettingId::Txdelay),
                  fromBin.text(SettingId::Txdelay));  // the pair is one device's
        txdelays.insert(fromCfg.text(SettingId::Txdelay));
    }
    EXPECT_EQ(txdelays.size(), 2u * kRounds);
}

TEST(BackupSafety, APairSplitByAKillIsCompletedAtTheNextBackup) {
    TempFolder temp;
    const std::string bin = temp.file("2026-01-01T00-00-00_OK1ZRU-9.bin");
    const ConfigImage memory = encodeOrFail(station("333"));
    writeBytes(bin, std::string(reinterpret_cast<const char*>(memory.data()), memory.size()));
    writeBytes(temp.file("2026-01-01T00-00-01_OK1ZRU-9.bin"), "not a memory");
    BackupFolder backups(temp.path(), [] { return clockAt(2026); });

    keepBackupOf(backups, station());

    SettingsModel completed;
    RecordingUi ui;
    ASSERT_TRUE(cfgfile::loadConfigFile(temp.file("2026-01-01T00-00-00_OK1ZRU-9.cfg"), completed, ui));
    EXPECT_EQ(completed.text(SettingId::Txdelay), "333");
    EXPECT_FALSE(fs::exists(temp.file("2026-01-01T00-00-01_OK1ZRU-9.cfg")));  // left as it is
    EXPECT_TRUE(fs::exists(temp.file("2026-01-01T00-00-01_OK1ZRU-9.bin")));
}

}  // namespace
}  // namespace zeru::test
