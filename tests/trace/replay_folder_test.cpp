// SPDX-License-Identifier: GPL-3.0-or-later
// Every trace of tests/trace/replays/, played back with the command line it
// holds, gives the log lines that its recording gave.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_process.h"
#include "interaction/utf8_path.h"
#include "trace/trace_file.h"

namespace zeru::test {
namespace {

// The recording's command without the simulator and the trace options, which
// the replay stands in for.
std::vector<std::string> commandToReplay(const std::vector<std::string>& recorded) {
    static const std::vector<std::string> dropped = {"--simulate", "--sim-version", "--sim-fault", "--trace"};
    std::vector<std::string> args;
    for (std::size_t i = 1; i < recorded.size(); ++i) {
        const std::string& a = recorded[i];
        const auto named = std::find_if(dropped.begin(), dropped.end(), [&](const std::string& option) {
            return a == option || a.starts_with(option + "=");
        });
        if (named == dropped.end()) {
            args.push_back(a);
            continue;
        }
        if (a == *named) ++i;  // its value follows
    }
    return args;
}

TEST(ReplayFolder, EveryTraceGivesItsRecordedLogLines) {
    const std::filesystem::path replays = pathFromUtf8(ZERU_TRACE_REPLAYS);
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(replays)) {
        if (entry.path().extension() != ".pcapng") continue;
        SCOPED_TRACE(entry.path().filename().string());
        const auto recorded = trace::loadTrace(utf8FromPath(entry.path()));
        ASSERT_TRUE(recorded) << recorded.failure().text;
        ASSERT_FALSE(recorded->logLines.empty());
        ScratchFolder folder;
        for (const auto& file : std::filesystem::directory_iterator(replays))
            if (file.path().extension() == ".cfg")
                std::filesystem::copy_file(file.path(), folder.path() / file.path().filename());
        std::vector<std::string> args = {"--replay=" + utf8FromPath(entry.path()), "--trace=replayed.pcapng"};
        const auto command = commandToReplay(recorded->commandLine);
        args.insert(args.end(), command.begin(), command.end());
        const CliRun run = runCli(args, folder.path());
        const auto replayedTrace = trace::loadTrace(folder.file("replayed.pcapng"));
        ASSERT_TRUE(replayedTrace) << replayedTrace.failure().text << "\n" << run.err;
        EXPECT_EQ(replayedTrace->logLines, recorded->logLines) << run.err;
        ++replayed;
    }
    EXPECT_GE(replayed, 10);
}

}  // namespace
}  // namespace zeru::test
