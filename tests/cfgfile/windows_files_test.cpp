// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and replacing files with the Windows calls: devices, folders and
// read-only files are refused, names in any script work, a replaced file
// keeps its attributes, and a failed save leaves the file as it was.
#include <gtest/gtest.h>
#include <windows.h>

#include "cfgfile/config_file.h"
#include "cfgfile/file_replace.h"
#include "cfgfile/windows_error_text.h"
#include "interaction/utf8_path.h"
#include "settings/settings_model.h"
#include "temp_folder.h"

namespace zeru::cfgfile {
namespace {

using test::TempFolder;

std::string inFolder(const TempFolder& folder, const std::string& utf8Name) {
    return utf8FromPath(folder.path() / pathFromUtf8(utf8Name));
}

void put(const std::string& utf8Path, const std::string& bytes) {
    EXPECT_TRUE(replaceFileContent(utf8Path, bytes));
}

TEST(WindowsFiles, DevicesFoldersAndReadOnlyFilesAreNeitherReadNorReplaced) {
    TempFolder folder;
    const std::string readOnly = inFolder(folder, "read-only.cfg");
    put(readOnly, "kept");
    ASSERT_TRUE(SetFileAttributesW(pathFromUtf8(readOnly).c_str(), FILE_ATTRIBUTE_READONLY));
    std::filesystem::create_directory(folder.path() / "dir.cfg");
    using Status = InputFile::Status;
    const struct {
        std::string path;
        Status read;
        std::string reason;  // the words after "cannot be read: "
    } cases[] = {
        {"NUL", Status::NotRegular, "Not a regular file"},
        {"CON", Status::NotRegular, "Not a regular file"},
        {"COM1", Status::NotRegular, "Not a regular file"},
        {inFolder(folder, "nul.cfg"), Status::NotRegular, "Not a regular file"},
        {"\\\\.\\pipe\\zeru-test", Status::NotRegular, "Not a regular file"},
        {inFolder(folder, "dir.cfg"), Status::NotRegular, "Is a directory"},
        {readOnly, Status::Read, ""},
        {inFolder(folder, "missing\\new.cfg"), Status::Missing, ""},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(mayReplaceFileContent(c.path)) << c.path;
        EXPECT_FALSE(replaceFileContent(c.path, "new")) << c.path;
        const InputFile read = readInputFile(c.path, kMaxConfigFileSize);
        EXPECT_EQ(read.status, c.read) << c.path;
        EXPECT_EQ(read.reason, c.reason) << c.path;
    }
    EXPECT_EQ(readFileBytes(readOnly), "kept");
    SetFileAttributesW(pathFromUtf8(readOnly).c_str(), FILE_ATTRIBUTE_NORMAL);  // so that it can be removed
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"dir.cfg", "read-only.cfg"}));
}

TEST(WindowsFiles, NamesInAnyScriptAreSavedAndLoaded) {
    TempFolder folder;
    SettingsModel settings;
    settings.setText(SettingId::Callsign, "OK1ZRU");
    for (const char* name : {"M\xC3\xBC"
                             "ller.cfg",
                             "\xD0\x96\xD0\xB8\xD1\x82\xD0\xBE\xD0\xBC\xD0\xB8\xD1\x80.cfg",
                             "\xE6\x9D\xB1\xE4\xBA\xAC \xF0\x9F\x93\xA1.cfg"}) {
        const std::string path = inFolder(folder, name);
        EXPECT_TRUE(saveConfigFile(settings, path));  // new
        EXPECT_TRUE(saveConfigFile(settings, path));  // replaced
        ASSERT_TRUE(std::filesystem::exists(pathFromUtf8(path))) << name;
        const auto bytes = readFileBytes(path);
        ASSERT_TRUE(bytes) << name;
        EXPECT_NE(bytes->find("Callsign=OK1ZRU"), std::string::npos) << name;
    }
    EXPECT_EQ(folder.entries().size(), 3u);  // no temporary file left beside them
}

// A private file claims a free name with its complete content, and never
// takes one that is there; no temporary file stays either way.
TEST(WindowsFiles, PrivateFileClaimsOnlyAFreeName) {
    TempFolder folder;
    const std::string taken = inFolder(folder, "taken.bin");
    put(taken, "old");
    const struct {
        std::string path;
        bool created;
        std::string content;  // what the name holds afterwards
    } cases[] = {
        {inFolder(folder, "free.bin"), true, "new"},
        {taken, false, "old"},
    };
    for (const auto& c : cases) {
        const Result<bool> created = createPrivateFile(c.path, "new");
        ASSERT_TRUE(created.ok()) << c.path;
        EXPECT_EQ(created.value(), c.created) << c.path;
        EXPECT_EQ(readFileBytes(c.path), c.content) << c.path;
    }
    EXPECT_FALSE(createPrivateFile(inFolder(folder, "missing\\new.bin"), "new").ok());
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"free.bin", "taken.bin"}));
}

TEST(WindowsFiles, ReplacedFileKeepsItsAttributes) {
    TempFolder folder;
    const std::string path = inFolder(folder, "kept.cfg");
    put(path, "old");
    const std::wstring wide = pathFromUtf8(path).wstring();
    constexpr DWORD kMarked = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE;
    ASSERT_TRUE(SetFileAttributesW(wide.c_str(), kMarked));
    if ((GetFileAttributesW(wide.c_str()) & FILE_ATTRIBUTE_HIDDEN) == 0)
        GTEST_SKIP() << "this file system keeps no hidden attribute";
    put(path, "new");
    EXPECT_EQ(readFileBytes(path), "new");
    EXPECT_EQ(GetFileAttributesW(wide.c_str()) & kMarked, kMarked);
}

TEST(WindowsFiles, FileThatAnotherProgramHoldsIsLeftAsItWas) {
    TempFolder folder;
    const std::string path = inFolder(folder, "held.cfg");
    put(path, "old");
    // Held as an editor that shares nothing would hold it.
    const HANDLE held = CreateFileW(pathFromUtf8(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(replaceFileContent(path, "new"));
    const InputFile read = readInputFile(path, kMaxConfigFileSize);
    EXPECT_EQ(read.status, InputFile::Status::Unreadable);
    // The system's words for the error, as the box shows them: Wine's differ from Windows'.
    EXPECT_EQ(read.reason, windowsErrorText(ERROR_SHARING_VIOLATION));
    EXPECT_FALSE(read.reason.starts_with("Error ")) << read.reason;
    EXPECT_FALSE(read.reason.ends_with(".")) << read.reason;
    CloseHandle(held);
    EXPECT_EQ(readFileBytes(path), "old");
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"held.cfg"}));
}

}  // namespace
}  // namespace zeru::cfgfile
