// SPDX-License-Identifier: GPL-3.0-or-later
// --help on the tool and on each command: the usage on standard output, exit 0.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli_process.h"

namespace zeru::test {
namespace {

const char* const kCommands[] = {"defaults", "encode", "decode",          "verify", "read",
                                 "write",    "info",   "upload-firmware", "list"};

TEST(Help, ToolListsEveryCommandAndTheExitStatuses) {
    ScratchFolder folder;
    for (const std::string flag : {"--help", "-h"}) {
        const CliRun r = runCli({flag}, folder.path());
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out.rfind("Usage: zeru-cli [--simulate=STATE.bin", 0), 0u) << r.out;
        for (const char* command : kCommands) {
            const std::string line = std::string("\n  zeru-cli ") + command;
            EXPECT_TRUE(r.out.find(line + " ") != std::string::npos ||
                        r.out.find(line + "\n") != std::string::npos)
                << command;
        }
        EXPECT_NE(r.out.find("Exit status: 0 success, 1 usage error"), std::string::npos);
    }
}

class CommandHelp : public ::testing::TestWithParam<const char*> {};

TEST_P(CommandHelp, ShowsThatCommandsUsageOnly) {
    ScratchFolder folder;
    const std::string command = GetParam();
    // --help wins over missing or extra arguments, before or after the command.
    for (const auto& args : {std::vector<std::string>{command, "--help"},
                             {"--help", command},
                             {command, "a", "b", "c", "--help"}}) {
        const CliRun r = runCli(args, folder.path());
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        const std::string usage = "Usage: zeru-cli " + command;
        EXPECT_EQ(r.out.rfind(usage, 0), 0u) << r.out;
        EXPECT_TRUE(r.out[usage.size()] == ' ' || r.out[usage.size()] == '\n') << r.out;
        EXPECT_EQ(r.out.find("Commands:"), std::string::npos);
        // The description stands indented under the command line.
        EXPECT_EQ(r.out.find("\n      ", usage.size()), r.out.find('\n')) << r.out;
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

INSTANTIATE_TEST_SUITE_P(EachCommand, CommandHelp, ::testing::ValuesIn(kCommands), [](const auto& info) {
    std::string name = info.param;
    std::erase(name, '-');
    return name;
});

}  // namespace
}  // namespace zeru::test
