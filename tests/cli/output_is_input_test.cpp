// SPDX-License-Identifier: GPL-3.0-or-later
// An output that names a file the run reads or writes otherwise is refused
// before anything is touched: a usage error that names both files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli_process.h"

namespace zeru::test {
namespace {

namespace fs = std::filesystem;

TEST(OutputIsInput, IsRefusedBeforeAnythingIsWritten) {
    ScratchFolder folder;
    ASSERT_EQ(runCli({"defaults", "-o", "base.cfg"}, folder.path()).status, 0);
    ASSERT_EQ(runCli({"encode", "base.cfg", "-o", "good.bin"}, folder.path()).status, 0);
    ASSERT_EQ(runCli({"--simulate=s.bin", "--trace=t.pcapng", "list"}, folder.path()).status, 0);
    fs::create_directory(folder.path() / "sub");
    std::error_code noLink;
    fs::create_hard_link(folder.path() / "base.cfg", folder.path() / "linked.cfg", noLink);
    const std::vector<std::string> kept = {"base.cfg", "good.bin", "s.bin", "t.pcapng"};
    std::vector<std::string> before;
    for (const std::string& name : kept) before.push_back(readFile(folder.file(name)));

    const struct {
        std::vector<std::string> args;
        std::string reason;  // after "zeru-cli: "
    } cases[] = {
        {{"encode", "base.cfg", "-o", "base.cfg"}, "The output file base.cfg is also the input base.cfg."},
        {{"encode", "base.cfg", "-o", "sub/../base.cfg"},
         "The output file sub/../base.cfg is also the input base.cfg."},
        {{"decode", "good.bin", "-o", folder.file("good.bin")},
         "The output file " + folder.file("good.bin") + " is also the input good.bin."},
        {{"--simulate=s.bin", "read", "-o", "s.bin"},
         "The output file s.bin is also the simulator state s.bin."},
        {{"--simulate=new.bin", "read", "-o", "./new.bin"},
         "The output file ./new.bin is also the simulator state new.bin."},
        {{"--simulate=s.bin", "--trace=s.bin", "info"},
         "The output file s.bin is also the simulator state s.bin."},
        {{"--simulate=base.cfg", "write", "base.cfg", "--no-backup"},
         "The output file base.cfg is also the input base.cfg."},
        {{"--replay=t.pcapng", "--trace=t.pcapng", "list"},
         "The output file t.pcapng is also the replayed trace t.pcapng."},
        {{"--replay=t.pcapng", "read", "-o", "t.pcapng"},
         "The output file t.pcapng is also the replayed trace t.pcapng."},
        {{"trace", "t.pcapng", "--trace=t.pcapng"}, "The output file t.pcapng is also the input t.pcapng."},
        {{"--trace=base.cfg", "diff", "good.bin", "base.cfg"},
         "The output file base.cfg is also the input base.cfg."},
        {{"--trace=new.pcapng", "defaults", "-o", "new.pcapng"},
         "The output file new.pcapng is also the trace new.pcapng."},
#ifndef _WIN32
        {{"report", "-o", "base.cfg", "base.cfg"}, "The output file base.cfg is also the input base.cfg."},
        {{"report", "-o", "t.pcapng", "base.cfg", "t.pcapng"},
         "The output file t.pcapng is also the input t.pcapng."},
#endif
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.back());
        const CliRun r = runCli(c.args, folder.path());
        EXPECT_EQ(r.status, 1) << r.err;
        EXPECT_EQ(r.errLines().front(), "zeru-cli: " + c.reason) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_FALSE(folder.exists("new.bin"));
        EXPECT_FALSE(folder.exists("new.pcapng"));
        for (std::size_t i = 0; i < kept.size(); ++i)
            EXPECT_EQ(readFile(folder.file(kept[i])), before[i]) << kept[i];
    }
    if (!noLink) {
        const CliRun r = runCli({"encode", "linked.cfg", "-o", "base.cfg"}, folder.path());
        EXPECT_EQ(r.errLines().front(), "zeru-cli: The output file base.cfg is also the input linked.cfg.");
    }
}

}  // namespace
}  // namespace zeru::test
