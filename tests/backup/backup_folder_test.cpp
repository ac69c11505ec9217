// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/backup_folder.h"

#include <gtest/gtest.h>

#include "settings/settings_model.h"
#include "temp_folder.h"

namespace zeru::test {
namespace {

namespace fs = std::filesystem;
using backup::BackupFolder;

// A clock standing at 2024-05-01 18:30:05.
std::tm testClock() {
    std::tm time{};
    time.tm_sec = 5, time.tm_min = 30, time.tm_hour = 18, time.tm_mday = 1, time.tm_mon = 4;
    time.tm_year = 124;
    return time;
}

ConfigImage memoryFilledWith(std::uint8_t byte) {
    ConfigImage memory;
    memory.fill(byte);
    return memory;
}

TEST(BackupFolder, NamesTakenGetACountAndNothingIsOverwritten) {
    TempFolder temp;
    const fs::path folder = temp.path() / "state" / "backups";  // made when missing
    BackupFolder backups(folder, testClock);
    SettingsModel station;
    station.setText(SettingId::Callsign, "OK1ZRU");
    station.setText(SettingId::Ssid, "9");

    const std::string first = backups.keep(memoryFilledWith(1), &station).value();
    const std::string second = backups.keep(memoryFilledWith(2), &station).value();
    const std::string unknown = backups.keep(memoryFilledWith(3), nullptr).value();
    const std::string third = backups.keep(memoryFilledWith(4), &station).value();

    EXPECT_EQ(first, (folder / "2024-05-01T18-30-05_OK1ZRU-9.cfg").string());
    EXPECT_EQ(second, (folder / "2024-05-01T18-30-05-2_OK1ZRU-9.cfg").string());
    EXPECT_EQ(unknown, (folder / "2024-05-01T18-30-05_unknown.bin").string());
    EXPECT_EQ(third, (folder / "2024-05-01T18-30-05-3_OK1ZRU-9.cfg").string());
    EXPECT_EQ(readBytes((folder / "2024-05-01T18-30-05-2_OK1ZRU-9.bin").string()),
              std::string(kImageSize, '\x02'));

    std::vector<std::string> listed;
    for (const auto& e : backups.list())
        listed.push_back(e.stamp + "  " + e.station + "  " + e.path.string());
    EXPECT_EQ(listed,
              (std::vector<std::string>{
                  "2024-05-01T18-30-05-3  OK1ZRU-9  " + third, "2024-05-01T18-30-05  unknown  " + unknown,
                  "2024-05-01T18-30-05-2  OK1ZRU-9  " + second, "2024-05-01T18-30-05  OK1ZRU-9  " + first}));
}

TEST(BackupFolder, KeepsTheNewest200AndLeavesOtherFilesAlone) {
    TempFolder temp;
    writeBytes(temp.file("notes.txt"), "mine");
    writeBytes(temp.file("2020-01-01T00-00-00.bin"), "not a backup name");
    // 200 older backups, one a minute from 2024-05-01T15-00-00 on, some with a .cfg.
    for (int i = 0; i < 200; ++i) {
        char base[64];
        std::snprintf(base, sizeof base, "2024-05-01T%02d-%02d-00_OK1ZRU-9", 15 + i / 60, i % 60);
        writeBytes(temp.file(std::string(base) + ".bin"), "");
        if (i % 2) writeBytes(temp.file(std::string(base) + ".cfg"), "");
    }
    BackupFolder backups(temp.path(), testClock);

    const std::string newest = backups.keep(memoryFilledWith(0), nullptr).value();

    const auto entries = backups.list();
    ASSERT_EQ(entries.size(), 200u);
    EXPECT_EQ(entries.front().path.string(), newest);
    EXPECT_EQ(entries[1].path.filename(), "2024-05-01T18-19-00_OK1ZRU-9.cfg");
    EXPECT_EQ(entries.back().stamp, "2024-05-01T15-01-00");
    EXPECT_FALSE(fs::exists(temp.file("2024-05-01T15-00-00_OK1ZRU-9.bin")));
    EXPECT_TRUE(fs::exists(temp.file("notes.txt")));
    EXPECT_TRUE(fs::exists(temp.file("2020-01-01T00-00-00.bin")));
}

}  // namespace
}  // namespace zeru::test
