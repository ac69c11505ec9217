// SPDX-License-Identifier: GPL-3.0-or-later
// A file's write time set to a fraction of a second reads back as set (to the
// 100 ns Windows keeps), so that backups made within one second keep their
// order; a missing file is an error, not a time.
#include "backup/file_times.h"

#include <gtest/gtest.h>

#include <chrono>

#include "temp_folder.h"

namespace zeru::backup {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

TEST(FileTimes, FractionsOfASecondAreKept) {
    test::TempFolder folder;
    const fs::path file = folder.path() / "made.bin";
    test::writeBytes(file.string(), "x");
    const auto base = std::chrono::time_point_cast<std::chrono::seconds>(fs::file_time_type::clock::now());
    for (const auto fraction : {0ns, 100ns, 1234500ns, 999999900ns}) {
        const fs::file_time_type wanted = base + fraction;
        std::error_code error;
        setLastWriteTime(file, wanted, error);
        ASSERT_FALSE(error) << error.message();
        EXPECT_EQ(lastWriteTime(file, error), wanted) << fraction.count();
        EXPECT_FALSE(error);
    }
    std::error_code error;
    lastWriteTime(folder.path() / "absent.bin", error);
    EXPECT_TRUE(error);
    setLastWriteTime(folder.path() / "absent.bin", fs::file_time_type::clock::now(), error);
    EXPECT_TRUE(error);
}

}  // namespace
}  // namespace zeru::backup
