// SPDX-License-Identifier: GPL-3.0-or-later
// One simulated device, one process at a time: commands of two processes on
// one state file follow one another, as on a device held by one program at a
// time, and none is lost.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <future>
#include <optional>
#include <set>

#include "cli_files.h"
#include "cli_process.h"
#include "sim/state_lock.h"

namespace zeru::test {
namespace {

namespace fs = std::filesystem;

TEST(SharedState, TwoWritesOnOneStateFileFollowOneAnother) {
    constexpr int kRounds = 4;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE(round);
        ScratchFolder folder;
        ASSERT_EQ(runCli({"defaults", "-o", "base.cfg"}, folder.path()).status, 0);
        ASSERT_EQ(runCli({"--simulate=state.bin", "write", "base.cfg", "--set", "Radio.Callsign=OK1OLD"},
                         folder.path())
                      .status,
                  0);
        const auto write = [&](const char* call) {
            return runCli(
                {"--simulate=state.bin", "write", "base.cfg", "--set", std::string("Radio.Callsign=") + call},
                folder.path());
        };
        auto first = std::async(std::launch::async, write, "OK1AAA");
        auto second = std::async(std::launch::async, write, "OK1BBB");
        const CliRun a = first.get(), b = second.get();
        EXPECT_EQ(a.status, 0) << a.err;
        EXPECT_EQ(b.status, 0) << b.err;

        // Each write's backup holds what the device held before it: the old
        // call, then the call of the write that came first; the device holds
        // the other. Every configuration is found once (the erased device
        // under OK1OLD had none to back up).
        ASSERT_EQ(runCli({"--simulate=state.bin", "read", "-o", "now.cfg"}, folder.path()).status, 0);
        std::multiset<std::string> calls{settingsOfFile(folder.file("now.cfg")).text(SettingId::Callsign)};
        for (const auto& e :
             fs::directory_iterator(folder.path() / "state" / "kestrovane-zeru" / "backups" / "simulated"))
            if (e.path().extension() == ".cfg")
                calls.insert(settingsOfFile(e.path().string()).text(SettingId::Callsign));
        EXPECT_EQ(calls, (std::multiset<std::string>{"OK1OLD", "OK1AAA", "OK1BBB"}));
    }
}

TEST(SharedState, ALockedStateIsWaitedForOrRefusedAndFollowsItsReplacement) {
    ScratchFolder folder;
    const std::string state = folder.file("state.bin");
    auto locked = sim::StateLock::acquire(state, std::chrono::milliseconds(0));
    ASSERT_TRUE(locked) << locked.failure().text;
    std::optional<sim::StateLock> held(std::move(locked).value());

    const pid_t child = ::fork();
    if (child == 0) {
        const auto busy = sim::StateLock::acquire(state, std::chrono::milliseconds(0));
        const bool refused = !busy && busy.failure().text == state + " is in use by another process.";
        // Waits while the holder replaces the file and lets it go.
        const bool waited = sim::StateLock::acquire(state, std::chrono::seconds(60)).ok();
        const bool onTheNewFile = readFile(state) == "new";
        ::_exit(refused && waited && onTheNewFile ? 0 : 1);
    }
    ::usleep(200 * 1000);
    writeFile(folder.file("state.tmp"), "new");
    fs::rename(folder.file("state.tmp"), state);  // as a save replaces it
    held.reset();
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
}  // namespace zeru::test
