// SPDX-License-Identifier: GPL-3.0-or-later
#include "cfgfile/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace zeru::cfgfile {
namespace {

namespace fs = std::filesystem;

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The file to replace: the target of a symbolic link, so that the link stays.
fs::path replacedFile(const std::string& path) {
    std::error_code ec;
    if (fs::is_symlink(path, ec)) {
        fs::path real = fs::weakly_canonical(path, ec);
        if (!ec) return real;
    }
    return path;
}

// Creates a new, empty file beside `target`; its mode follows the umask.
int createTemporary(const fs::path& target, std::string& name) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string stem = "." + target.filename().string() + "." + std::to_string(::getpid()) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = (folder / (stem + std::to_string(attempt) + ".tmp")).string();
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

FileWriteError::FileWriteError(const std::string& path) : std::runtime_error("Unable to write to " + path) {}

std::optional<std::string> readFileBytes(const std::string& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return bytes;
}

void replaceFileContent(const std::string& path, std::string_view bytes) {
    const fs::path target = replacedFile(path);
    std::string temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) throw FileWriteError(path);

    bool ok = writeAll(fd, bytes);
    struct stat old {};
    if (ok && ::stat(target.c_str(), &old) == 0) ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    if (ok) ok = ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    if (ok) ok = ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        throw FileWriteError(path);
    }
}

}  // namespace zeru::cfgfile
