// SPDX-License-Identifier: GPL-3.0-or-later
// Only a console is a terminal: the null device, a pipe and a file are not,
// though the C library's _isatty takes NUL for one (a character device), so
// no progress bar is drawn into them.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <filesystem>

#include "cli/console.h"

namespace zeru::cli {
namespace {

TEST(Console, NullDevicePipeAndFileAreNoTerminal) {
    std::FILE* null = std::fopen("NUL", "w");
    ASSERT_NE(null, nullptr);
    EXPECT_FALSE(isTerminal(null));
    std::fclose(null);

    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    ASSERT_TRUE(CreatePipe(&readEnd, &writeEnd, nullptr, 0));
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(writeEnd), 0);
    ASSERT_GE(fd, 0);
    std::FILE* pipe = _fdopen(fd, "w");
    ASSERT_NE(pipe, nullptr);
    EXPECT_FALSE(isTerminal(pipe));
    std::fclose(pipe);  // closes writeEnd too
    CloseHandle(readEnd);

    const auto path = std::filesystem::temp_directory_path() / "zeru-console-test.txt";
    std::FILE* file = _wfopen(path.c_str(), L"w");
    ASSERT_NE(file, nullptr);
    EXPECT_FALSE(isTerminal(file));
    std::fclose(file);
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace zeru::cli
