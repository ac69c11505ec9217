// SPDX-License-Identifier: GPL-3.0-or-later
// zeru-cli as a whole process, as a script runs it: `diff` of two saved files
// against `encode` of one of them, in the same run (diff's goal: under twice
// encode's time).
#include <benchmark/benchmark.h>

#ifdef ZERU_CLI_PATH

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// Runs zeru-cli in `folder` with its output thrown away; its exit status.
int runCli(std::vector<std::string> args, const fs::path& folder) {
    args.insert(args.begin(), ZERU_CLI_PATH);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    pid_t pid = 0;
    const int spawned = ::posix_spawn(&pid, ZERU_CLI_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    if (::waitpid(pid, &status, 0) < 0) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Two saved files that differ in two settings, in a folder of their own.
class CliFolder {
public:
    CliFolder() {
        std::string pattern = (fs::temp_directory_path() / "zeru-bench-cli-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
        if (runCli({"defaults", "-o", "a.cfg"}, path_) != 0 ||
            runCli({"encode", "a.cfg", "--set", "Radio.Callsign=OK1ZRU", "--set", "Radio.TXdelay=300", "-o",
                    "b.bin"},
                   path_) != 0 ||
            runCli({"decode", "b.bin", "-o", "b.cfg"}, path_) != 0)
            throw std::runtime_error("zeru-cli failed to make the files");
    }
    ~CliFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

void BM_CliEncodeProcess(benchmark::State& state) {
    CliFolder folder;
    for (auto _ : state)
        if (runCli({"encode", "a.cfg", "-o", "out.bin"}, folder.path()) != 0)
            state.SkipWithError("encode failed");
}
BENCHMARK(BM_CliEncodeProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CliDiffProcess(benchmark::State& state) {
    CliFolder folder;
    for (auto _ : state)
        if (runCli({"diff", "a.cfg", "b.cfg"}, folder.path()) != 6) state.SkipWithError("diff failed");
}
BENCHMARK(BM_CliDiffProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// "Write config" as a script runs it against the simulator (backup, write,
// read-back), without and with --trace (goal: at most 1.5 times; the trace's
// own cost in process is BM_WriteConfigTraced).
void cliWrite(benchmark::State& state, bool traced) {
    CliFolder folder;
    std::vector<std::string> args = {"--simulate=state.bin", "write", "a.cfg", "--backup-dir=backups"};
    if (traced) args.insert(args.begin(), "--trace=write.pcapng");
    for (auto _ : state)
        if (runCli(args, folder.path()) != 0) state.SkipWithError("write failed");
}

void BM_CliWriteProcess(benchmark::State& state) { cliWrite(state, false); }
BENCHMARK(BM_CliWriteProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CliWriteProcessTraced(benchmark::State& state) { cliWrite(state, true); }
BENCHMARK(BM_CliWriteProcessTraced)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

#endif
