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

enum class Creation { Created, Taken, Failed, Unsupported };

// The mode is set explicitly: the umask neither widens nor narrows it.
bool fillPrivate(int fd, std::string_view bytes) {
    return ::fchmod(fd, kOwnerOnly) == 0 && posix::writeAll(fd, bytes) && ::fsync(fd) == 0;
}

// Written unnamed (O_TMPFILE), then linked under its name, which a link never
// replaces: the name is claimed only by a complete file.
Creation createThroughUnnamedFile(const std::string& path, std::string_view bytes) {
    OwnedFd fd(::open(posix::folderOf(path).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, kOwnerOnly));
    if (fd.get() < 0) return Creation::Unsupported;
    if (!fillPrivate(fd.get(), bytes)) return Creation::Failed;
    const std::string self = "/proc/self/fd/" + std::to_string(fd.get());
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) != 0)
        return errno == EEXIST ? Creation::Taken : Creation::Unsupported;
    return fd.close() ? Creation::Created : Creation::Failed;
}

// Written under a hidden name, then linked under its own; the hidden name goes
// (or, after a kill, the next write of the same name removes it).
Creation createThroughNamedFile(const std::string& path, std::string_view bytes) {
    posix::removeStaleTemporaries(path);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string name = posix::hiddenTemporaryName(path, attempt);
        OwnedFd fd(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kOwnerOnly));
        if (fd.get() < 0) {
            if (errno == EEXIST) continue;
            return Creation::Failed;
        }
        Creation creation = Creation::Failed;
        if (fillPrivate(fd.get(), bytes) && fd.close()) {
            if (::link(name.c_str(), path.c_str()) == 0)
                creation = Creation::Created;
            else if (errno == EEXIST)
                creation = Creation::Taken;
            else if (errno == EPERM || errno == EMLINK || errno == ENOSYS || errno == EOPNOTSUPP)
                creation = Creation::Unsupported;  // a file system without hard links
        }
        ::unlink(name.c_str());
        return creation;
    }
    return Creation::Failed;
}

// Where no link can be made: the name is claimed by creating it, and then
// filled; only a kill in the middle leaves it part written.
Creation createInPlace(const std::string& path, std::string_view bytes) {
    OwnedFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kOwnerOnly));
    if (fd.get() < 0) return errno == EEXIST ? Creation::Taken : Creation::Failed;
    if (fillPrivate(fd.get(), bytes) && fd.close()) return Creation::Created;
    ::unlink(path.c_str());
    return Creation::Failed;
}

}  // namespace

Result<bool> createPrivateFile(const std::string& path, std::string_view bytes) {
    if (path.empty()) return unableToWrite(path);
    Creation creation = createThroughUnnamedFile(path, bytes);
    if (creation == Creation::Unsupported) creation = createThroughNamedFile(path, bytes);
    if (creation == Creation::Unsupported) creation = createInPlace(path, bytes);
    if (creation == Creation::Taken) return false;
    if (creation != Creation::Created) return unableToWrite(path);
    posix::syncFolder(path);
    return true;
}

}  // namespace zeru::cfgfile
