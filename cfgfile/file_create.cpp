// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "cfgfile/file_replace.h"
#include "cfgfile/posix_file.h"

namespace zeru::cfgfile {
namespace {

using posix::OwnedFd;
constexpr int kNameAttempts = 100;
constexpr mode_t kOwnerOnly = 0600;

enum class Outcome { Created, Taken, Failed, Unsupported };

// The mode is set explicitly: the umask neither widens nor narrows it.
bool fillPrivate(int fd, std::string_view bytes) {
    return ::fchmod(fd, kOwnerOnly) == 0 && posix::writeAll(fd, bytes) && ::fsync(fd) == 0;
}

// Written unnamed (O_TMPFILE), then linked under its name, which a link never
// replaces: the name is claimed only by a complete file.
Outcome createThroughUnnamedFile(const std::string& path, std::string_view bytes) {
    OwnedFd fd(::open(posix::folderOf(path).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, kOwnerOnly));
    if (fd.get() < 0) return Outcome::Unsupported;
    if (!fillPrivate(fd.get(), bytes)) return Outcome::Failed;
    const std::string self = "/proc/self/fd/" + std::to_string(fd.get());
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) != 0)
        return errno == EEXIST ? Outcome::Taken : Outcome::Unsupported;
    return fd.close() ? Outcome::Created : Outcome::Failed;
}

// Written under a hidden name, then linked under its own; the hidden name goes
// (or, after a kill, the next write of the same name removes it).
Outcome createThroughNamedFile(const std::string& path, std::string_view bytes) {
    posix::removeStaleTemporaries(path);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string name = posix::hiddenTemporaryName(path, attempt);
        OwnedFd fd(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kOwnerOnly));
        if (fd.get() < 0) {
            if (errno == EEXIST) continue;
            return Outcome::Failed;
        }
        Outcome outcome = Outcome::Failed;
        if (fillPrivate(fd.get(), bytes) && fd.close()) {
            if (::link(name.c_str(), path.c_str()) == 0)
                outcome = Outcome::Created;
            else if (errno == EEXIST)
                outcome = Outcome::Taken;
            else if (errno == EPERM || errno == EMLINK || errno == ENOSYS || errno == EOPNOTSUPP)
                outcome = Outcome::Unsupported;  // a file system without hard links
        }
        ::unlink(name.c_str());
        return outcome;
    }
    return Outcome::Failed;
}

// Where no link can be made: the name is claimed by creating it, and then
// filled; only a kill in the middle leaves it part written.
Outcome createInPlace(const std::string& path, std::string_view bytes) {
    OwnedFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kOwnerOnly));
    if (fd.get() < 0) return errno == EEXIST ? Outcome::Taken : Outcome::Failed;
    if (fillPrivate(fd.get(), bytes) && fd.close()) return Outcome::Created;
    ::unlink(path.c_str());
    return Outcome::Failed;
}

}  // namespace

bool createPrivateFile(const std::string& path, std::string_view bytes) {
    if (path.empty()) throw FileWriteError(path);
    Outcome outcome = createThroughUnnamedFile(path, bytes);
    if (outcome == Outcome::Unsupported) outcome = createThroughNamedFile(path, bytes);
    if (outcome == Outcome::Unsupported) outcome = createInPlace(path, bytes);
    if (outcome == Outcome::Taken) return false;
    if (outcome != Outcome::Created) throw FileWriteError(path);
    posix::syncFolder(path);
    return true;
}

}  // namespace zeru::cfgfile
