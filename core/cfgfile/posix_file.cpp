// SPDX-License-Identifier: GPL-3.0-or-later
#include "cfgfile/posix_file.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <system_error>

namespace zeru::cfgfile::posix {
namespace {

namespace fs = std::filesystem;

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The process id in ".NAME.PID.ATTEMPT.tmp" for `name`, 0 when `entry` is not
// one of its temporaries.
pid_t temporaryOwner(std::string_view entry, std::string_view name) {
    const std::string prefix = "." + std::string(name) + ".";
    constexpr std::string_view kSuffix = ".tmp";
    if (!entry.starts_with(prefix) || !entry.ends_with(kSuffix)) return 0;
    std::string_view rest = entry.substr(prefix.size(), entry.size() - prefix.size() - kSuffix.size());
    const std::size_t dot = rest.find('.');
    if (dot == std::string_view::npos || !allDigits(rest.substr(0, dot)) || !allDigits(rest.substr(dot + 1)))
        return 0;
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + dot, pid);
    return error == std::errc() && end == rest.data() + dot ? pid : 0;
}

bool processRuns(pid_t pid) { return ::kill(pid, 0) == 0 || errno != ESRCH; }

}  // namespace

OwnedFd::~OwnedFd() {
    if (fd_ >= 0) ::close(fd_);
}

bool OwnedFd::close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
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

fs::path folderOf(const fs::path& target) {
    return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

std::string hiddenTemporaryName(const fs::path& target, int attempt) {
    return (folderOf(target) / ("." + target.filename().string() + "." + std::to_string(::getpid()) + "." +
                                std::to_string(attempt) + ".tmp"))
        .string();
}

void removeStaleTemporaries(const fs::path& target) {
    const std::string name = target.filename().string();
    std::error_code error;
    for (fs::directory_iterator it(folderOf(target), error), end; !error && it != end; it.increment(error)) {
        const pid_t owner = temporaryOwner(it->path().filename().string(), name);
        if (owner > 0 && owner != ::getpid() && !processRuns(owner)) {
            std::error_code ignored;  // another process may clean it at the same moment
            fs::remove(it->path(), ignored);
        }
    }
}

void syncFolder(const fs::path& target) {
    const OwnedFd folder(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0) ::fsync(folder.get());
}

}  // namespace zeru::cfgfile::posix
