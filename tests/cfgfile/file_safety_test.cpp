// SPDX-License-Identifier: GPL-3.0-or-later
// What a save over an existing file leaves there: a configuration file is
// updated, anything else replaced whole; a hard-linked file stays one file;
// no temporary outlives a killed save; an owner is kept or the save refused.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

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

const std::string kConfigFile =
    "[!WARNING]\r\nApplication=Kestrovane Zeru Configurator\r\n[Radio]\r\nTXdelay=100\r\n; mine\r\n";

std::string savedAnew() {
    TempFolder folder;
    EXPECT_TRUE(saveConfigFile(SettingsModel(), folder.file("new.cfg")));
    return readBytes(folder.file("new.cfg"));
}

TEST(SaveOverAFile, OnlyAConfigurationFileIsMergedInto) {
    const struct {
        const char* what;
        std::string old;
        bool merged;
    } cases[] = {
        {"configuration file", kConfigFile, true},
        {"image", std::string(7168, '\xFF'), false},
        {"file holding one of its keys", "[Radio]\nTXdelay=1\n; mine\r\n", true},
        {"text of another program", "[Mine]\nTXdelay=1\n; mine\r\n", false},
        {"empty file", "", false},
        {"large file of another program", std::string(3 * 1024 * 1024, 'x'), false},
        {"large configuration file", kConfigFile + std::string(1024 * 1024, ';'), false},
    };
    const std::string anew = savedAnew();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        writeBytes(folder.file("out"), c.old);
        EXPECT_TRUE(saveConfigFile(SettingsModel(), folder.file("out")));
        const std::string saved = readBytes(folder.file("out"));
        if (c.merged) {
            EXPECT_NE(saved.find("; mine\r\n"), std::string::npos);
            EXPECT_NE(saved.find("TXdelay=250\r\n"), std::string::npos);
        } else {
            EXPECT_EQ(saved, anew);
        }
    }
}

TEST(SaveOverAFile, AHardLinkedFileStaysOneFile) {
    TempFolder folder;
    writeBytes(folder.file("a.cfg"), kConfigFile);
    fs::create_hard_link(folder.file("a.cfg"), folder.file("b.cfg"));
    struct stat before {};
    ASSERT_EQ(::stat(folder.file("a.cfg").c_str(), &before), 0);

    EXPECT_TRUE(saveConfigFile(SettingsModel(), folder.file("a.cfg")));

    struct stat after {};
    ASSERT_EQ(::stat(folder.file("b.cfg").c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_nlink, 2u);
    EXPECT_NE(readBytes(folder.file("b.cfg")).find("TXdelay=250\r\n"), std::string::npos);
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"a.cfg", "b.cfg"}));
}

// The id of a process that cannot be running: the system hands out ids below
// pid_max only. An ended child's id would do until the system gave it to
// another process, which a busy machine with 32768 ids does soon.
pid_t endedProcess() {
    pid_t limit = 0;
    if (std::ifstream("/proc/sys/kernel/pid_max") >> limit && limit > 0) return limit;
    return 4194304;  // the largest pid_max there is
}

TEST(SaveOverAFile, TemporariesOfKilledSavesGoAtTheNextSave) {
    TempFolder folder;
    const std::string dead = std::to_string(endedProcess()), alive = std::to_string(::getppid());
    const std::vector<std::string> planted = {
        ".out." + dead + ".0.tmp",    // a killed save of "out"
        ".out." + alive + ".3.tmp",   // a save of "out" still running
        ".other." + dead + ".0.tmp",  // another file's
        ".out." + dead + ".x.tmp",    // not a temporary's name
    };
    for (const std::string& name : planted) writeBytes(folder.file(name), "partial");
    writeBytes(folder.file("out"), "old");

    EXPECT_TRUE(replaceFileContent(folder.file("out"), "new"));

    EXPECT_EQ(readBytes(folder.file("out")), "new");
    std::vector<std::string> kept = {".other." + dead + ".0.tmp", ".out." + alive + ".3.tmp",
                                     ".out." + dead + ".x.tmp", "out"};
    std::sort(kept.begin(), kept.end());  // the listing is sorted, and the ids' digits order it
    EXPECT_EQ(folder.entries(), kept);
}

TEST(SaveOverAFile, AnEmptyPathIsNamedAsSuch) {
    for (const Outcome& written : {saveConfigFile(SettingsModel(), ""), replaceFileContent("", "x"),
                                   createPrivateFile("", "x").outcome()}) {
        ASSERT_FALSE(written) << "wrote to an empty path";
        EXPECT_EQ(written.failure().text, "Unable to write to an empty path");
    }
    EXPECT_FALSE(mayReplaceFileContent(""));
}

// Another user's file that we may write, in a folder everyone may write: a
// file made in its place would be ours, so the save is refused (the
// superuser, who can give the file back, replaces it keeping the owner).
TEST(SaveOverAFile, AnotherUsersFileKeepsItsOwnerOrIsNotReplaced) {
    if (::geteuid() != 0) GTEST_SKIP() << "making another user's file needs the superuser";
    TempFolder folder;
    fs::permissions(folder.path(), fs::perms::all);
    const std::string file = folder.file("shared.cfg");
    writeBytes(file, kConfigFile);
    fs::permissions(file, fs::perms(0666));
    ASSERT_EQ(::chown(file.c_str(), 65533, 65533), 0);

    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
        if (saveConfigFile(SettingsModel(), file)) ::_exit(0);
        ::_exit(mayReplaceFileContent(file) ? 4 : 3);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_EQ(WEXITSTATUS(status), 3);  // refused, and said so beforehand
    EXPECT_EQ(readBytes(file), kConfigFile);

    EXPECT_TRUE(saveConfigFile(SettingsModel(), file));
    struct stat after {};
    ASSERT_EQ(::stat(file.c_str(), &after), 0);
    EXPECT_EQ(after.st_uid, 65533u);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"shared.cfg"});
}

}  // namespace
}  // namespace zeru::cfgfile
