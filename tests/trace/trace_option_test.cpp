// SPDX-License-Identifier: GPL-3.0-or-later
// zeru-cli --trace at its edges: a trace that could not be saved stops the
// command before the device is used; a command that fails still leaves its
// trace, with the lines that told the failure.
#include <gtest/gtest.h>

#include "cli_process.h"

namespace zeru::test {
namespace {

TEST(TraceOption, RefusedBeforeTheDeviceOrSavedWhateverTheOutcome) {
    struct Case {
        const char* what;
        std::vector<std::string> args;
        const char* trace;     // the file that must hold the conversation, or "" for none
        const char* transfer;  // a line of that trace
    };
    const std::vector<Case> cases = {
        {"a trace in a missing folder",
         {"--trace=no/such/t.pcapng", "--simulate=state.bin", "write", "--no-backup", "base.cfg"},
         "",
         ""},
        {"a refused page",
         {"--trace=t.txt", "--simulate=state.bin", "--sim-fault=refuse:3", "write", "--no-backup",
          "base.cfg"},
         "t.txt",
         "out  page write 4/224"},
        {"a device gone",
         {"--trace=t.txt", "--simulate=state.bin", "--sim-fault=gone:0", "read", "-o", "out.cfg"},
         "t.txt",
         "in   page read 1/224: device gone (read failed)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder;
        ASSERT_EQ(runCli({"defaults", "-o", "base.cfg"}, folder.path()).status, 0);
        const CliRun run = runCli(c.args, folder.path());
        EXPECT_NE(run.status, 0);
        if (*c.trace == '\0') {
            EXPECT_EQ(run.lastErrLine(), "Unable to write to no/such/t.pcapng.");
            EXPECT_FALSE(folder.exists("state.bin")) << "the device was used:\n" << run.err;
            continue;
        }
        const std::string trace = readFile(folder.file(c.trace));
        EXPECT_NE(trace.find(c.transfer), std::string::npos) << trace.substr(0, 2000);
        EXPECT_NE(trace.find("#   " + run.lastErrLine() + "\n"), std::string::npos)
            << "the line that told the failure, in the trace";
    }
}

}  // namespace
}  // namespace zeru::test
