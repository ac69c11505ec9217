// SPDX-License-Identifier: GPL-3.0-or-later
#include "cfgfile/windows_file_names.h"

#include <gtest/gtest.h>

namespace zeru::cfgfile {
namespace {

TEST(WindowsFileNames, DeviceNamesInAnyFolderWithAnyExtension) {
    const struct {
        const char* path;
        bool device;
    } cases[] = {
        {"NUL", true},
        {"nul.cfg", true},
        {"C:\\Users\\x\\Con.tar.gz", true},
        {"out/COM1", true},
        {"LPT9.bin", true},
        {"com\xC2\xB9.cfg", true},  // COM¹
        {"CONOUT$", true},
        {"aux .cfg", true},
        {"C:NUL", true},
        {"\\\\.\\COM3", true},
        {"\\\\.\\pipe\\zeru", true},
        {"\\\\?\\GLOBALROOT\\Device\\Null", true},
        {"\\\\?\\C:\\Users\\x\\base.cfg", false},
        {"\\\\?\\UNC\\server\\share\\base.cfg", false},
        {"\\\\server\\share\\nul-free.cfg", false},
        {"COM10.cfg", false},
        {"COM.cfg", false},
        {"console.cfg", false},
        {"nul_and_void.cfg", false},
        {"NUL\\base.cfg", false},  // a folder of that name is not opened here
        {"M\xC3\xBCller.cfg", false},
        {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(namesWindowsDevice(c.path), c.device) << c.path;
}

}  // namespace
}  // namespace zeru::cfgfile
