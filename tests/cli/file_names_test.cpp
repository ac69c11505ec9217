// SPDX-License-Identifier: GPL-3.0-or-later
// File names in any script reach zeru-cli whole and come back whole in its
// messages, on every system (on Windows through wmain and the wide calls).
#include <gtest/gtest.h>

#include "cli_process.h"
#include "interaction/utf8_path.h"

namespace zeru::test {
namespace {

TEST(FileNames, NamesInAnyScriptAreWrittenReadAndNamed) {
    ScratchFolder folder;
    const std::string latin = "M\xC3\xBCller.cfg";                                                // Müller
    const std::string cyrillic = "\xD0\x96\xD0\xB8\xD1\x82\xD0\xBE\xD0\xBC\xD0\xB8\xD1\x80.bin";  // Житомир
    const std::string wide = "\xE6\x9D\xB1\xE4\xBA\xAC \xF0\x9F\x93\xA1.cfg";  // 東京 📡
    const std::string missing = "\xC5\x81\xC3\xB3\x64\xC5\xBA.bin";            // Łódź
    const struct {
        std::vector<std::string> args;
        int status;
        std::string lastErrLine;
    } steps[] = {
        {{"defaults", "-o", latin}, 0, ""},
        {{"encode", latin, "-o", cyrillic}, 0, ""},
        {{"decode", cyrillic, "-o", wide}, 0, ""},
        {{"diff", cyrillic, wide}, 0, ""},
        {{"verify", missing}, 3, "Unable to read " + missing + "."},
    };
    for (const auto& s : steps) {
        const CliRun r = runCli(s.args, folder.path());
        EXPECT_EQ(r.status, s.status) << s.args.front() << ": " << r.err;
        EXPECT_EQ(r.lastErrLine(), s.lastErrLine) << s.args.front();
    }
    for (const std::string& made : {latin, cyrillic, wide})
        EXPECT_TRUE(std::filesystem::exists(folder.path() / pathFromUtf8(made))) << made;
}

}  // namespace
}  // namespace zeru::test
