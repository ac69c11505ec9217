// SPDX-License-Identifier: GPL-3.0-or-later
// runCli on POSIX systems: posix_spawn with pipes.
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <system_error>

#include "cli_process.h"

extern char** environ;

namespace zeru::test {
namespace {

[[noreturn]] void fail(const char* what) { throw std::system_error(errno, std::generic_category(), what); }

class Pipe {
public:
    Pipe() {
        if (::pipe2(fds_.data(), O_CLOEXEC) != 0) fail("pipe2");
    }
    ~Pipe() {
        closeRead();
        closeWrite();
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    int readEnd() const { return fds_[0]; }
    int writeEnd() const { return fds_[1]; }
    void closeRead() { closeOne(fds_[0]); }
    void closeWrite() { closeOne(fds_[1]); }

private:
    static void closeOne(int& fd) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
    std::array<int, 2> fds_{-1, -1};
};

// Reads both pipes until the child closes them, so that neither can fill up
// and stall the child while the other is being read.
void drain(Pipe& out, Pipe& err, std::string& outText, std::string& errText) {
    std::array<pollfd, 2> fds{{{out.readEnd(), POLLIN, 0}, {err.readEnd(), POLLIN, 0}}};
    std::array<std::string*, 2> into{&outText, &errText};
    // A pipe closed beforehand (fd -1) is skipped by poll and not waited for.
    int open =
        static_cast<int>(std::count_if(fds.begin(), fds.end(), [](const pollfd& p) { return p.fd >= 0; }));
    while (open > 0) {
        if (::poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) continue;
            fail("poll");
        }
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            char buffer[4096];
            const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                into[i]->append(buffer, static_cast<std::size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                fds[i].fd = -1;
                --open;
            }
        }
    }
}

}  // namespace

std::vector<Stdout> unwritableStdouts() { return {Stdout::DevFull, Stdout::ClosedPipe}; }

std::filesystem::path defaultBackupsInFolder() { return "state/kestrovane-zeru/backups"; }

bool makeFifo(const std::string& path) {
    if (::mkfifo(path.c_str(), 0644) != 0) fail("mkfifo");
    return true;
}

CliRun runCli(const std::vector<std::string>& args, const std::filesystem::path& folder, Stdout stdoutTo) {
    Pipe out, err;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    if (stdoutTo == Stdout::DevFull) {
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/full", O_WRONLY, 0);
    } else {
        if (stdoutTo == Stdout::ClosedPipe) out.closeRead();
        posix_spawn_file_actions_adddup2(&actions, out.writeEnd(), 1);
    }
    posix_spawn_file_actions_adddup2(&actions, err.writeEnd(), 2);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());

    std::vector<std::string> argvText{ZERU_CLI_PATH};
    argvText.insert(argvText.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : argvText) argv.push_back(a.data());
    argv.push_back(nullptr);

    // The tool keeps backups in the user's state folder: here the test's own.
    std::vector<std::string> envText{"HOME=" + folder.string(),
                                     "XDG_STATE_HOME=" + (folder / "state").string()};
    for (char** e = environ; *e; ++e) {
        const std::string_view entry(*e);
        if (entry.rfind("HOME=", 0) != 0 && entry.rfind("XDG_STATE_HOME=", 0) != 0)
            envText.emplace_back(entry);
    }
    std::vector<char*> env;
    for (std::string& e : envText) env.push_back(e.data());
    env.push_back(nullptr);

    pid_t pid = 0;
    const int spawned = ::posix_spawn(&pid, ZERU_CLI_PATH, &actions, nullptr, argv.data(), env.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        errno = spawned;
        fail("posix_spawn " ZERU_CLI_PATH);
    }
    out.closeWrite();
    err.closeWrite();

    CliRun run;
    drain(out, err, run.out, run.err);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) fail("waitpid");
    }
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    return run;
}

}  // namespace zeru::test
