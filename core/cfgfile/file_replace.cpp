// SPDX-License-Identifier: GPL-3.0-or-later
#include "cfgfile/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <filesystem>

#include "cfgfile/posix_file.h"

namespace zeru::cfgfile {
namespace {

namespace fs = std::filesystem;
using posix::OwnedFd;

constexpr int kMaxLinkHops = 40;  // as the kernel allows
constexpr int kNameAttempts = 100;

// The file that gets the new content, with its metadata when it exists.
struct Target {
    std::string path;
    std::optional<struct stat> existing;
};

std::optional<std::string> linkText(const std::string& link) {
    std::string text(PATH_MAX, '\0');
    const ssize_t n = ::readlink(link.c_str(), text.data(), text.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= text.size()) return std::nullopt;
    text.resize(static_cast<std::size_t>(n));
    return text;
}

// Follows symbolic links one by one, so that a dangling link leads to the
// name it points at; nullopt for anything but a regular file or a free name
// in a folder.
std::optional<Target> findTarget(const std::string& path) {
    if (path.empty()) return std::nullopt;
    std::string current = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0) {
            if (errno != ENOENT) return std::nullopt;
            // A free name, where the folder is there to take the new file.
            struct stat folder {};
            if (::stat(posix::folderOf(current).c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode))
                return std::nullopt;
            return Target{current, std::nullopt};
        }
        if (S_ISREG(info.st_mode)) return Target{current, info};
        if (!S_ISLNK(info.st_mode)) return std::nullopt;
        const auto text = linkText(current);
        if (!text) return std::nullopt;
        const fs::path next(*text);
        current = next.is_absolute() ? next.string() : (fs::path(current).parent_path() / next).string();
    }
    return std::nullopt;
}

bool writable(const Target& t) {
    if (!t.existing) return true;
    constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;
    return (t.existing->st_mode & kAnyWrite) != 0 &&
           ::faccessat(AT_FDCWD, t.path.c_str(), W_OK, AT_EACCESS) == 0;
}

// A file of several names is rewritten where it stands, so that every name
// keeps showing it: a new file in its place would take only one name along.
bool hardLinked(const Target& t) { return t.existing && t.existing->st_nlink > 1; }

// A new file made in the file's place must keep its owner: only the superuser
// gives a file to someone else, so another's file cannot be replaced that way.
bool ownerCanBeKept(const Target& t) {
    return !t.existing || hardLinked(t) || ::geteuid() == 0 || t.existing->st_uid == ::geteuid();
}

// Owner, group and mode of the replaced file, then the content, flushed. A
// new file's mode is the one it was created with (the umask applied). False
// when the owner or group cannot be kept: the file is never silently given
// away.
bool fill(int fd, const Target& t, std::string_view bytes) {
    if (t.existing) {
        const struct stat& old = *t.existing;
        if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
            ::fchown(fd, old.st_uid, old.st_gid) != 0)
            return false;
        // After fchown, which clears the set-user-ID and set-group-ID bits.
        if (::fchmod(fd, old.st_mode & 07777) != 0) return false;
    }
    return posix::writeAll(fd, bytes) && ::fsync(fd) == 0;
}

// A new file's mode follows the umask; a file to be replaced starts private.
mode_t creationMode(const Target& t) { return t.existing ? 0600 : 0666; }

enum class Replacement { Done, Failed, Unsupported };

// Through an unnamed file (O_TMPFILE): a save killed before the file is
// complete leaves nothing behind. A new file is linked straight into place; an
// existing one is replaced by a rename, which needs a name for the moment
// between the link and the rename (a kill there leaves a hidden temporary,
// removed by the next save of the same file).
Replacement replaceThroughUnnamedFile(const Target& t, std::string_view bytes) {
    OwnedFd fd(::open(posix::folderOf(t.path).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, creationMode(t)));
    if (fd.get() < 0) return Replacement::Unsupported;
    if (!fill(fd.get(), t, bytes)) return Replacement::Failed;
    const std::string self = "/proc/self/fd/" + std::to_string(fd.get());
    if (!t.existing) {
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, t.path.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return fd.close() ? Replacement::Done : Replacement::Failed;
        if (errno != EEXIST) return Replacement::Unsupported;
    }
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string name = posix::hiddenTemporaryName(t.path, attempt);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) != 0) {
            if (errno == EEXIST) continue;
            return Replacement::Unsupported;
        }
        if (::rename(name.c_str(), t.path.c_str()) != 0) {
            ::unlink(name.c_str());
            return Replacement::Failed;
        }
        return fd.close() ? Replacement::Done : Replacement::Failed;
    }
    return Replacement::Failed;
}

// Through a hidden named file beside the target, renamed over it.
bool replaceThroughNamedFile(const Target& t, std::string_view bytes) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string name = posix::hiddenTemporaryName(t.path, attempt);
        OwnedFd fd(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, creationMode(t)));
        if (fd.get() < 0) {
            if (errno == EEXIST) continue;
            return false;
        }
        const bool ok = fill(fd.get(), t, bytes) && fd.close() && ::rename(name.c_str(), t.path.c_str()) == 0;
        if (!ok) ::unlink(name.c_str());
        return ok;
    }
    return false;
}

// Rewrites a hard-linked file where it stands: the same file, every name.
bool rewriteInPlace(const Target& t, std::string_view bytes) {
    OwnedFd fd(::open(t.path.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC));
    struct stat now {};
    if (fd.get() < 0 || ::fstat(fd.get(), &now) != 0) return false;
    if (now.st_dev != t.existing->st_dev || now.st_ino != t.existing->st_ino)
        return false;  // moved meanwhile
    // Room for the whole content first, so that a full disk stops the save
    // before a byte of the old content is overwritten.
    const auto size = static_cast<off_t>(bytes.size());
    if (size > now.st_size) {
        const int error = ::posix_fallocate(fd.get(), 0, size);  // the error itself, not errno
        if (error != 0 && error != EOPNOTSUPP && error != EINVAL) return false;
    }
    return posix::writeAll(fd.get(), bytes) && ::ftruncate(fd.get(), size) == 0 && ::fsync(fd.get()) == 0 &&
           fd.close();
}

}  // namespace

bool mayReplaceFileContent(const std::string& path) {
    const auto target = findTarget(path);
    return target && writable(*target) && ownerCanBeKept(*target);
}

Outcome replaceFileContent(const std::string& path, std::string_view bytes) {
    const auto target = findTarget(path);
    if (!target || !writable(*target) || !ownerCanBeKept(*target)) return unableToWrite(path);
    if (hardLinked(*target)) {
        if (!rewriteInPlace(*target, bytes)) return unableToWrite(path);
        return {};
    }
    posix::removeStaleTemporaries(target->path);
    Replacement replacement = replaceThroughUnnamedFile(*target, bytes);
    if (replacement == Replacement::Unsupported)
        replacement = replaceThroughNamedFile(*target, bytes) ? Replacement::Done : Replacement::Failed;
    if (replacement != Replacement::Done) return unableToWrite(path);
    posix::syncFolder(target->path);
    return {};
}

}  // namespace zeru::cfgfile
