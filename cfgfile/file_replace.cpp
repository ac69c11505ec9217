// SPDX-License-Identifier: GPL-3.0-or-later
#include "cfgfile/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <filesystem>

namespace zeru::cfgfile {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinkHops = 40;  // as the kernel allows

// The file that gets the new content, with its metadata when it exists.
struct Target {
    std::string path;
    std::optional<struct stat> existing;
};

class OwnedFd {
public:
    explicit OwnedFd(int fd) : fd_(fd) {}
    ~OwnedFd() {
        if (fd_ >= 0) ::close(fd_);
    }
    OwnedFd(const OwnedFd&) = delete;
    OwnedFd& operator=(const OwnedFd&) = delete;
    int get() const { return fd_; }
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

std::optional<std::string> linkText(const std::string& link) {
    std::string text(PATH_MAX, '\0');
    const ssize_t n = ::readlink(link.c_str(), text.data(), text.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= text.size()) return std::nullopt;
    text.resize(static_cast<std::size_t>(n));
    return text;
}

// Follows symbolic links one by one, so that a dangling link leads to the
// name it points at; nullopt for anything but a regular file or a free name.
std::optional<Target> findTarget(const std::string& path) {
    std::string current = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0)
            return errno == ENOENT ? std::optional<Target>(Target{current, std::nullopt}) : std::nullopt;
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

fs::path folderOf(const Target& t) {
    const fs::path p(t.path);
    return p.has_parent_path() ? p.parent_path() : fs::path(".");
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Owner, group and mode of the replaced file, then the content, flushed. A
// new file's mode is the one it was created with (the umask applied).
bool fill(int fd, const Target& t, std::string_view bytes) {
    if (t.existing) {
        const struct stat& old = *t.existing;
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
            // Only the superuser may give a file away; a user may still keep its group.
            if (::fchown(fd, old.st_uid, old.st_gid) != 0 &&
                ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
            }
        }
        // After fchown, which clears the set-user-ID and set-group-ID bits.
        if (::fchmod(fd, old.st_mode & 07777) != 0) return false;
    }
    return writeAll(fd, bytes) && ::fsync(fd) == 0;
}

// A new file's mode follows the umask; a file to be replaced starts private.
mode_t creationMode(const Target& t) { return t.existing ? 0600 : 0666; }

std::string hiddenName(const Target& t, int attempt) {
    const fs::path p(t.path);
    return (folderOf(t) / ("." + p.filename().string() + "." + std::to_string(::getpid()) + "." +
                           std::to_string(attempt) + ".tmp"))
        .string();
}

void syncFolder(const Target& t) {
    const OwnedFd folder(::open(folderOf(t).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0) ::fsync(folder.get());
}

enum class Outcome { Done, Failed, Unsupported };

// Through an unnamed file (O_TMPFILE): a save killed before the file is
// complete leaves nothing behind. A new file is linked straight into place; an
// existing one is replaced by a rename, which needs a name for the moment
// between the link and the rename.
Outcome replaceThroughUnnamedFile(const Target& t, std::string_view bytes) {
    OwnedFd fd(::open(folderOf(t).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, creationMode(t)));
    if (fd.get() < 0) return Outcome::Unsupported;
    if (!fill(fd.get(), t, bytes)) return Outcome::Failed;
    const std::string self = "/proc/self/fd/" + std::to_string(fd.get());
    if (!t.existing) {
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, t.path.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return fd.close() ? Outcome::Done : Outcome::Failed;
        if (errno != EEXIST) return Outcome::Unsupported;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = hiddenName(t, attempt);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) != 0) {
            if (errno == EEXIST) continue;
            return Outcome::Unsupported;
        }
        if (::rename(name.c_str(), t.path.c_str()) != 0) {
            ::unlink(name.c_str());
            return Outcome::Failed;
        }
        return fd.close() ? Outcome::Done : Outcome::Failed;
    }
    return Outcome::Failed;
}

// Through a hidden named file beside the target, renamed over it.
bool replaceThroughNamedFile(const Target& t, std::string_view bytes) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = hiddenName(t, attempt);
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

}  // namespace

bool mayReplace(const std::string& path) {
    const auto target = findTarget(path);
    return target && writable(*target);
}

void replaceFileContent(const std::string& path, std::string_view bytes) {
    const auto target = findTarget(path);
    if (!target || !writable(*target)) throw FileWriteError(path);
    Outcome outcome = replaceThroughUnnamedFile(*target, bytes);
    if (outcome == Outcome::Unsupported)
        outcome = replaceThroughNamedFile(*target, bytes) ? Outcome::Done : Outcome::Failed;
    if (outcome != Outcome::Done) throw FileWriteError(path);
    syncFolder(*target);
}

}  // namespace zeru::cfgfile
