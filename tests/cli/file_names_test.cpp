// SPDX-License-Identifier: GPL-3.0-or-later
// File names in any script reach zeru-cli whole and come back whole in its
// messages, on every system (on Windows through wmain and the wide calls).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

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

// A path in a message is the file system's name byte for byte (UTF-8), in a
// folder named in any script: where a save goes, where a backup is kept.
TEST(FileNames, PathsInMessagesArePrintedAsNamed) {
    ScratchFolder folder;
    const std::string home = "Z\xC3\xBCrich";                // Zürich
    const std::string backups = "\xD0\xB6\xD1\x83\xD1\x80";  // жур
    std::filesystem::create_directory(folder.path() / pathFromUtf8(home));
    const std::string saved = home + "/base.cfg";
    const std::string kept = utf8FromPath(folder.path() / pathFromUtf8(backups));
    const std::string state = "--simulate=state.bin";
    const struct {
        std::vector<std::string> args;
        int status;
        std::string errLine;  // a line standard error holds, as it must be
    } steps[] = {
        {{"defaults", "-o", saved}, 0, ""},
        {{state, "write", saved}, 0, ""},  // an erased device: nothing to back up
        {{state, "--verbose", "write", saved, "--backup-dir", kept, "--set", "Radio.Callsign=OK1ZRU"},
         0,
         "Backup saved: " +
             utf8FromPath((pathFromUtf8(kept) / "simulated" / "STAMP_NOCALL-0.cfg").make_preferred())},
        {{"defaults", "-o", backups + "/none/x.cfg"}, 3, "Unable to write to " + backups + "/none/x.cfg."},
    };
    for (const auto& s : steps) {
        const CliRun r = runCli(s.args, folder.path());
        EXPECT_EQ(r.status, s.status) << s.args.front() << ": " << r.err;
        if (s.errLine.empty()) continue;
        // A backup's name starts with the time it was kept.
        std::vector<std::string> lines = r.errLines();
        for (std::string& line : lines)
            if (const auto at = line.find("_NOCALL-0.cfg"); at != std::string::npos && at >= 19)
                line.replace(at - 19, 19, "STAMP");
        EXPECT_NE(std::find(lines.begin(), lines.end(), s.errLine), lines.end()) << s.errLine << "\n"
                                                                                 << r.err;
    }
}

}  // namespace
}  // namespace zeru::test
