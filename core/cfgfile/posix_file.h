// SPDX-License-Identifier: GPL-3.0-or-later
// POSIX pieces shared by the file writers: an owned descriptor, whole writes,
// and the hidden temporary names written beside a target, with the clean-up of
// those a killed process left behind.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zeru::cfgfile::posix {

class OwnedFd {
public:
    explicit OwnedFd(int fd) : fd_(fd) {}
    ~OwnedFd();
    OwnedFd(const OwnedFd&) = delete;
    OwnedFd& operator=(const OwnedFd&) = delete;
    int get() const { return fd_; }
    bool close();  // false when the close reports an error

private:
    int fd_;
};

// Writes every byte, going on after interruptions; false on any error.
bool writeAll(int fd, std::string_view bytes);

// ".NAME.PID.ATTEMPT.tmp" beside `target`: hidden, and naming the process that
// owns it.
std::string hiddenTemporaryName(const std::filesystem::path& target, int attempt);

// Removes the hidden temporaries of `target` whose process no longer runs
// (killed between creating and renaming one). Those of live processes stay.
void removeStaleTemporaries(const std::filesystem::path& target);

// The folder `target` is in ("." for a bare name).
std::filesystem::path folderOf(const std::filesystem::path& target);

// Flushes the folder's entries, so that a rename or link survives a crash.
void syncFolder(const std::filesystem::path& target);

}  // namespace zeru::cfgfile::posix
