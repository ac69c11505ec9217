// SPDX-License-Identifier: GPL-3.0-or-later
// Windows' device names given to zeru-cli.exe as files: never written, never
// read, refused with the file's own messages and status 3. (Below the tool,
// windows_files_test covers the same names with the file calls.)
#include <gtest/gtest.h>

#include "cli_process.h"

namespace zeru::test {
namespace {

TEST(WindowsDeviceNames, AreRefusedAsOutputsAndInputs) {
    ScratchFolder folder;
    ASSERT_EQ(runCli({"defaults", "-o", "base.cfg"}, folder.path()).status, 0);
    const struct {
        std::vector<std::string> args;
        std::string lastErrLine;
    } cases[] = {
        {{"defaults", "-o", "NUL"}, "Unable to write to NUL."},
        {{"defaults", "-o", "COM1"}, "Unable to write to COM1."},
        {{"encode", "base.cfg", "-o", "con.bin"}, "Unable to write to con.bin."},
        {{"encode", "NUL", "-o", "out.bin"}, "NUL cannot be read: Not a regular file."},
        {{"check", "COM1"}, "COM1 cannot be read: Not a regular file."},
        {{"decode", "CON", "-o", "out.cfg"}, "Unable to read CON."},
    };
    for (const auto& c : cases) {
        const CliRun r = runCli(c.args, folder.path());
        EXPECT_EQ(r.status, 3) << c.args.back() << ": " << r.err;
        EXPECT_EQ(r.lastErrLine(), c.lastErrLine);
        EXPECT_EQ(r.out, "") << c.args.back();
    }
    EXPECT_FALSE(folder.exists("out.bin"));
    EXPECT_FALSE(folder.exists("out.cfg"));
}

}  // namespace
}  // namespace zeru::test
