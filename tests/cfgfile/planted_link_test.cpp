// SPDX-License-Identifier: GPL-3.0-or-later
// A save follows a symbolic link only where the kernel would (its protected
// symlinks): never another user's link in a sticky folder everyone may write,
// unless that user owns the folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "cfgfile/config_file.h"
#include "cfgfile/file_replace.h"
#include "settings/settings_model.h"
#include "temp_folder.h"

namespace zeru::cfgfile {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::TempFolder;
using test::writeBytes;

constexpr uid_t kNobody = 65534;

TEST(PlantedLink, IsFollowedOnlyWhereTheKernelWouldFollowIt) {
    if (::geteuid() != 0) GTEST_SKIP() << "a link of another user needs the superuser (chown -h)";
    const uid_t me = ::geteuid();
    struct Row {
        const char* name;
        unsigned folderMode;
        uid_t folderOwner, linkOwner;
        bool dangling;  // the link points at a free name, to be created
        bool refused;
    };
    const Row rows[] = {
        {"another's link, shared sticky folder", 01777, me, kNobody, false, true},
        {"another's dangling link, shared sticky folder", 01777, me, kNobody, true, true},
        {"own link, shared sticky folder", 01777, me, me, false, false},
        {"the folder owner's link", 01777, kNobody, kNobody, false, false},
        {"another's link, folder not sticky", 0777, me, kNobody, false, false},
        {"another's link, sticky folder others may not write", 01775, me, kNobody, false, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        TempFolder temp;
        const fs::path shared = temp.path() / "shared";
        fs::create_directory(shared);
        ASSERT_EQ(::chmod(shared.c_str(), r.folderMode), 0);
        ASSERT_EQ(::chown(shared.c_str(), r.folderOwner, 0), 0);
        const std::string victim = temp.file("victim.cfg");
        if (!r.dangling) writeBytes(victim, "mine");
        const std::string link = (shared / "out.cfg").string();
        fs::create_symlink(victim, link);
        ASSERT_EQ(::lchown(link.c_str(), r.linkOwner, 0), 0);

        EXPECT_EQ(mayReplaceFileContent(link), !r.refused);
        const Outcome saved = saveConfigFile(SettingsModel(), link);
        EXPECT_EQ(saved.ok(), !r.refused);
        if (r.refused) {
            EXPECT_EQ(saved.failure().text,
                      "Unable to write to " + link + ": it is another user's link in a shared folder");
            EXPECT_EQ(readBytes(victim), r.dangling ? "" : "mine");
            EXPECT_EQ(fs::exists(victim), !r.dangling);
            EXPECT_TRUE(fs::is_symlink(link));
        } else {
            EXPECT_NE(readBytes(victim).find("[Radio]"), std::string::npos);
        }
    }
}

// A link of one's own that leads through a planted one: the planted link is
// named, and every writer (images, traces and reports replace files as the
// configuration file does) refuses alike.
TEST(PlantedLink, IsNamedWhereverItStandsInTheChain) {
    if (::geteuid() != 0) GTEST_SKIP() << "a link of another user needs the superuser (chown -h)";
    TempFolder temp;
    const fs::path shared = temp.path() / "shared";
    fs::create_directory(shared);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    const std::string victim = temp.file("victim.bin");
    writeBytes(victim, "mine");
    const std::string planted = (shared / "planted").string();
    fs::create_symlink(victim, planted);
    ASSERT_EQ(::lchown(planted.c_str(), kNobody, 0), 0);
    const std::string mine = temp.file("mine.bin");
    fs::create_symlink(planted, mine);

    EXPECT_EQ(plantedLink(mine), planted);
    const Outcome written = replaceFileContent(mine, "image");
    ASSERT_FALSE(written);
    EXPECT_EQ(written.failure().text,
              "Unable to write to " + mine + ": " + planted + " is another user's link in a shared folder");
    EXPECT_EQ(written.failure().kind, FailureKind::ImageRefused);
    EXPECT_EQ(readBytes(victim), "mine");
    EXPECT_EQ(plantedLink(victim), std::nullopt);
}

}  // namespace
}  // namespace zeru::cfgfile
