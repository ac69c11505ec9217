// SPDX-License-Identifier: GPL-3.0-or-later
// What zeru-cli prints: text from files, images and the device with its
// control characters escaped, and output that cannot be written is a failure.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli_files.h"
#include "cli_process.h"
#include "image/codec.h"
#include "interaction/utf8_path.h"

namespace zeru::test {
namespace {

class Output : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(runCli({"defaults", "-o", "base.cfg"}, folder.path()).status, 0);
        ASSERT_EQ(runCli({"encode", "base.cfg", "-o", "good.bin"}, folder.path()).status, 0);
    }
    ScratchFolder folder;
};

// A crafted image's version text would clear the screen and retitle the window.
TEST_F(Output, ImageVersionTextIsShownEscaped) {
    ConfigImage image = imageOfFile(folder.file("good.bin"));
    const std::string version = "\x1b[2J\x1b]0;x\a";
    std::copy(version.begin(), version.begin() + 5, image.begin() + kConfigVersionOffset);
    fixChecksum(image);
    writeImageFile(folder.file("crafted.bin"), image);
    const CliRun r = runCli({"decode", "crafted.bin", "-o", "out.cfg"}, folder.path());
    EXPECT_EQ(r.status, 3);
    EXPECT_NE(r.err.find("Device: \\x1B[2J\\x1B"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find('\x1b'), std::string::npos);
}

TEST_F(Output, ValuesOfALoadedFileAreShownEscaped) {
    std::string file = readFile(folder.file("base.cfg"));
    file.replace(file.find("TXdelay=250"), 11,
                 "TXdelay=\x1b[31m\x9b"
                 "1m");
    writeFile(folder.file("odd.cfg"), file);
    const CliRun r = runCli({"encode", "odd.cfg", "-o", "out.bin"}, folder.path());
    EXPECT_EQ(r.status, 0) << r.err;
    // The file's Latin-1 control is quoted in UTF-8, each byte escaped.
    EXPECT_EQ(r.err, "Radio.TXdelay: \"\\x1B[31m\\xC2\\x9B1m\" is not a whole number; 250 used.\n");
}

TEST_F(Output, StandardOutputThatCannotBeWrittenFailsTheCommand) {
    for (Stdout to : unwritableStdouts()) {
        const CliRun r = runCli({"verify", "good.bin"}, folder.path(), to);
        EXPECT_EQ(r.status, 3) << r.err;
        EXPECT_EQ(r.lastErrLine(), "Unable to write to standard output.");
        // A command that prints nothing there is not hurt by it.
        EXPECT_EQ(runCli({"encode", "base.cfg", "-o", "out.bin"}, folder.path(), to).status, 0);
    }
}

}  // namespace
}  // namespace zeru::test

namespace zeru::test {
namespace {

// Text from outside the program, one case per output that repeats it: a
// planted name or argument never reaches the terminal as it stands.
TEST(OutsideText, IsEscapedInEveryOutput) {
    const std::string planted = "\x1b]0;x\a\xe2\x80\xae\xe2\x80\x8b";
    const std::string shown = "\\x1B]0;x\\x07\\u202E\\u200B";
#ifdef _WIN32
    // No control character can be in a file name there: the invisible ones are.
    const std::string plantedName = "\xe2\x80\xae\xe2\x80\x8b", shownName = "\\u202E\\u200B";
#else
    const std::string plantedName = planted, shownName = shown;
#endif
    const struct {
        const char* output;
        std::vector<std::string> args;
        bool fromAFileName;  // else from the command line, told on standard error
    } cases[] = {
        {"backups: a file name in the folder", {"backups", "--backup-dir", "b"}, true},
        {"usage error: a bad --set", {"check", "base.cfg", "--set", "x" + planted}, false},
        {"unknown setting key", {"check", "base.cfg", "--set", "Radio.x" + planted + "=1"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.output);
        ScratchFolder folder;
        ASSERT_EQ(runCli({"defaults", "-o", "base.cfg"}, folder.path()).status, 0);
        std::filesystem::create_directory(folder.path() / "b");
        // The name as UTF-8, whatever the system's code page.
        std::ofstream(folder.path() / "b" / pathFromUtf8("2026-01-01T00-00-00_" + plantedName + ".bin"))
            .flush();
        const CliRun r = runCli(c.args, folder.path());
        const std::string& text = c.fromAFileName ? r.out : r.err;
        EXPECT_NE(text.find(c.fromAFileName ? shownName : shown), std::string::npos) << text;
        EXPECT_EQ(r.out.find('\x1b'), std::string::npos);
        EXPECT_EQ(r.err.find('\x1b'), std::string::npos);
    }
}

}  // namespace
}  // namespace zeru::test
