// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/state_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <thread>
#include <utility>

#include "interaction/visible_text.h"

namespace zeru::sim {
namespace {

constexpr auto kRetryEvery = std::chrono::milliseconds(20);

enum class Attempt { Locked, Busy, Replaced, NotAFile, Failed };

// One try at the file the path names now. A save replaces the state file by
// another (a rename), so a lock won on a file that has meanwhile left its
// name is worth nothing: the caller tries again on the new one.
Attempt tryLock(const std::string& path, int& fd) {
    fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0) return Attempt::Failed;
    struct stat held {};
    if (::fstat(fd, &held) != 0) return Attempt::Failed;
    if (!S_ISREG(held.st_mode)) return Attempt::NotAFile;  // a FIFO or device is never used
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return errno == EWOULDBLOCK ? Attempt::Busy : Attempt::Failed;
    struct stat named {};
    if (::stat(path.c_str(), &named) != 0 || named.st_dev != held.st_dev || named.st_ino != held.st_ino)
        return Attempt::Replaced;
    return Attempt::Locked;
}

}  // namespace

StateLock::~StateLock() {
    if (held_ != kNone) ::close(static_cast<int>(held_));  // lets the lock go
}

StateLock& StateLock::operator=(StateLock&& other) noexcept {
    std::swap(held_, other.held_);
    return *this;
}

Result<StateLock> StateLock::acquire(const std::string& path, std::chrono::milliseconds patience) {
    const auto until = std::chrono::steady_clock::now() + patience;
    for (;;) {
        int fd = -1;
        const Attempt attempt = tryLock(path, fd);
        if (attempt == Attempt::Locked) return StateLock(fd);
        if (fd >= 0) ::close(fd);
        if (attempt == Attempt::Failed || attempt == Attempt::NotAFile)
            return Failure::of(FailureKind::ImageRefused, attempt == Attempt::Failed
                                                              ? "cannot open " + visibleText(path)
                                                              : visibleText(path) + " is not a file");
        if (attempt == Attempt::Busy && std::chrono::steady_clock::now() >= until)
            return Failure::of(FailureKind::ImageRefused,
                               visibleText(path) + " is in use by another process.");
        if (attempt == Attempt::Busy) std::this_thread::sleep_for(kRetryEvery);
    }
}

}  // namespace zeru::sim
