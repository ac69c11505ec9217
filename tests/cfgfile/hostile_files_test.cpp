// SPDX-License-Identifier: GPL-3.0-or-later
// Every writer replaces nothing but a regular file the caller may write, and
// every reader reads nothing but a regular file of bounded size, without
// blocking. The special files are made in the test's own folder; no real
// device node is ever written to.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "cfgfile/config_file.h"
#include "cfgfile/file_replace.h"
#include "settings/settings_model.h"
#include "sim/memory_file.h"
#include "support/recording_ui.h"
#include "temp_folder.h"

namespace zeru::cfgfile {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

const std::string kOld = "old content\n";

void makeSocket(const std::string& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0) << path;
    ::close(fd);
}

mode_t typeOf(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}

struct Target {
    const char* kind;
    std::function<void(TempFolder&)> make;  // makes "out" (and what it points at)
    bool written;                           // replaced (or created), not refused
    bool rootOnly = false;
};

const Target kTargets[] = {
    {"FIFO", [](TempFolder& f) { ASSERT_EQ(::mkfifo(f.file("out").c_str(), 0644), 0); }, false},
    {"socket", [](TempFolder& f) { makeSocket(f.file("out")); }, false},
    {"folder", [](TempFolder& f) { fs::create_directory(f.file("out")); }, false},
    {"link to a FIFO",
     [](TempFolder& f) {
         ASSERT_EQ(::mkfifo(f.file("fifo").c_str(), 0644), 0);
         fs::create_symlink("fifo", f.file("out"));
     },
     false},
    {"file nobody may write",
     [](TempFolder& f) {
         test::writeBytes(f.file("out"), kOld);
         fs::permissions(f.file("out"), fs::perms::owner_read | fs::perms::group_read);
     },
     false},
    {"dangling link", [](TempFolder& f) { fs::create_symlink("made", f.file("out")); }, true},
    {"link into a missing folder", [](TempFolder& f) { fs::create_symlink("missing/made", f.file("out")); },
     false},
    {"file of another owner",
     [](TempFolder& f) {
         test::writeBytes(f.file("out"), kOld);
         fs::permissions(f.file("out"),
                         fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
         ASSERT_EQ(::chown(f.file("out").c_str(), 65534, 65534), 0);
     },
     true, true},
};

struct Writer {
    const char* name;
    std::function<bool(const std::string&)> write;  // false when refused
};

const Writer kWriters[] = {
    {"Save to file",
     [](const std::string& path) {
         const Outcome saved = saveConfigFile(SettingsModel(), path);
         if (!saved) {
             EXPECT_EQ(saved.failure().text, "Unable to write to " + path);
         }
         return saved.ok();
     }},
    {"image output",
     [](const std::string& path) { return replaceFileContent(path, std::string(7168, '\xFF')).ok(); }},
    {"simulator state",
     [](const std::string& path) {
         const Outcome saved = sim::writeMemoryFile(path, ConfigImage{});
         if (!saved) {
             EXPECT_EQ(saved.failure().text, "Unable to write to " + path);
         }
         return saved.ok();
     }},
};

TEST(HostileTargets, OnlyRegularFilesTheCallerMayWriteAreReplaced) {
    for (const Target& t : kTargets) {
        if (t.rootOnly && ::geteuid() != 0) continue;
        for (const Writer& w : kWriters) {
            SCOPED_TRACE(std::string(w.name) + " over a " + t.kind);
            TempFolder folder;
            t.make(folder);
            const auto entriesBefore = folder.entries();
            const std::string out = folder.file("out");
            const mode_t typeBefore = typeOf(out);
            struct stat before {};
            ::stat(out.c_str(), &before);

            EXPECT_EQ(mayReplaceFileContent(out), t.written);
            EXPECT_EQ(w.write(out), t.written);

            EXPECT_EQ(typeOf(out), typeBefore);  // a link stays a link, a FIFO a FIFO
            if (t.written) {
                struct stat after {};
                ASSERT_EQ(::stat(out.c_str(), &after), 0);
                EXPECT_TRUE(S_ISREG(after.st_mode));
                EXPECT_NE(test::readBytes(out), kOld);
                if (typeBefore == S_IFREG) {  // an existing file keeps owner, group and mode
                    EXPECT_EQ(after.st_uid, before.st_uid);
                    EXPECT_EQ(after.st_gid, before.st_gid);
                    EXPECT_EQ(after.st_mode, before.st_mode);
                }
            } else if (typeBefore == S_IFREG) {
                EXPECT_EQ(test::readBytes(out), kOld);
            }
            auto expectedEntries = entriesBefore;
            if (t.written && typeBefore == S_IFLNK) expectedEntries.insert(expectedEntries.begin(), "made");
            EXPECT_EQ(folder.entries(), expectedEntries);  // no temporary file left
        }
    }
}

// Only looked at, never written: the superuser's /dev/null stays a device.
TEST(HostileTargets, SystemDeviceIsNeverReplaceable) {
    EXPECT_FALSE(mayReplaceFileContent("/dev/null"));
    EXPECT_FALSE(mayReplaceFileContent("/dev"));
    SettingsModel model;
    test::RecordingUi ui;
    EXPECT_FALSE(loadConfigFile("/dev/null", model, ui));
    EXPECT_EQ(ui.boxes(), std::vector<std::string>{"/dev/null cannot be read: Not a regular file."});
}

// A new file gets the mode the umask gives, as a plain create would.
TEST(HostileTargets, NewFileFollowsTheUmask) {
    TempFolder folder;
    const mode_t old = ::umask(027);
    EXPECT_TRUE(replaceFileContent(folder.file("new"), "x"));
    ::umask(old);
    EXPECT_EQ(fs::status(folder.file("new")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(BoundedInput, SpecialAndOversizedFilesAreRefusedUnread) {
    using Status = InputFile::Status;
    TempFolder folder;
    ASSERT_EQ(::mkfifo(folder.file("fifo").c_str(), 0644), 0);  // no writer: reading it would block
    fs::create_directory(folder.file("dir"));
    test::writeBytes(folder.file("limit"), std::string(1000, 'x'));
    test::writeBytes(folder.file("over"), std::string(1001, 'x'));
    fs::create_symlink("limit", folder.file("link"));
    struct Row {
        std::string path;
        Status status;
        std::uint64_t size;
    };
    const Row rows[] = {
        {folder.file("missing"), Status::Missing, 0},  {folder.file("fifo"), Status::NotRegular, 0},
        {folder.file("dir"), Status::NotRegular, 0},   {"/dev/zero", Status::NotRegular, 0},
        {folder.file("limit"), Status::Read, 1000},    {folder.file("link"), Status::Read, 1000},
        {folder.file("over"), Status::TooLarge, 1001},
    };
    for (const Row& r : rows) {
        const InputFile file = readInputFile(r.path, 1000);
        EXPECT_EQ(file.status, r.status) << r.path;
        EXPECT_EQ(file.size, r.size) << r.path;
        EXPECT_EQ(file.bytes.size(), r.status == Status::Read ? r.size : 0u) << r.path;
    }
}

TEST(BoundedInput, ConfigurationFileOverOneMebibyteIsRefusedWithItsSize) {
    TempFolder folder;
    const std::string header = "[!WARNING]\r\nApplication=Kestrovane Zeru Configurator\r\nVersion=v1.02\r\n";
    const std::string path = folder.file("big.cfg");
    for (std::size_t size : {kMaxConfigFileSize, kMaxConfigFileSize + 1}) {
        test::writeBytes(path, header + std::string(size - header.size(), ';'));
        SettingsModel settings;
        test::RecordingUi ui;
        const bool loaded = loadConfigFile(path, settings, ui).ok();
        EXPECT_EQ(loaded, size == kMaxConfigFileSize) << size;
        if (!loaded) {
            EXPECT_EQ(ui.boxes(),
                      std::vector<std::string>{path + " is too large for a configuration file (1048577 "
                                                      "bytes, at most 1048576)."});
        }
    }
}

}  // namespace
}  // namespace zeru::cfgfile
