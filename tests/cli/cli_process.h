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

// The unwritable standard outputs this system has: Windows has no /dev/full.
std::vector<Stdout> unwritableStdouts();

// Runs zeru-cli with `args` in `folder` (relative paths are resolved there),
// standard input from the null device, HOME set to `folder` and the user's
// state folder (XDG_STATE_HOME; LOCALAPPDATA on Windows) to its "state"
// subfolder.
CliRun runCli(const std::vector<std::string>& args, const std::filesystem::path& folder,
              Stdout stdoutTo = Stdout::Captured);

// Where zeru-cli keeps backups by default, relative to runCli's folder:
// "state/kestrovane-zeru/backups" ("state/Kestrovane/Zeru/backups" on Windows).
std::filesystem::path defaultBackupsInFolder();

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

// Makes a FIFO at `path` (throws when that fails); false on a system that
// has none (Windows).
bool makeFifo(const std::string& path);

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);

}  // namespace zeru::test
