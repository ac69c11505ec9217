// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real zeru-cli executable as a separate process, the way a script
// would, and keeps what it left behind: exit status, standard output and
// standard error, each on its own.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zeru::test {

struct CliRun {
    int status = -1;  // the exit status; -N when killed by signal N
    std::string out;
    std::string err;

    std::vector<std::string> errLines() const;
    // The last line of standard error ("" when it is empty).
    std::string lastErrLine() const;
};

// Where the child's standard output goes: captured in CliRun::out, to
// /dev/full (every write fails), or into a pipe whose reader has gone.
enum class Stdout { Captured, DevFull, ClosedPipe };

// Runs zeru-cli with `args` in `folder` (relative paths are resolved there),
// standard input from /dev/null, HOME set to `folder` and XDG_STATE_HOME to
// its "state" subfolder.
CliRun runCli(const std::vector<std::string>& args, const std::filesystem::path& folder,
              Stdout stdoutTo = Stdout::Captured);

// A fresh folder for one test, removed with its content afterwards.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    bool exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }

private:
    std::filesystem::path path_;
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);

}  // namespace zeru::test
