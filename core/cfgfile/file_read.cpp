// SPDX-License-Identifier: GPL-3.0-or-later
#include "cfgfile/file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace zeru::cfgfile {
namespace {

using Status = InputFile::Status;

InputFile refused(Status status, std::uint64_t size = 0) { return {status, size, {}, {}}; }

// Refused with the system's words for `error` ("Permission denied").
InputFile unreadable(Status status, int error) {
    InputFile file = refused(status);
    file.reason = std::strerror(error);
    return file;
}

// A folder, FIFO, socket or device.
InputFile notRegular(mode_t mode) {
    if (S_ISDIR(mode)) return unreadable(Status::NotRegular, EISDIR);
    InputFile file = refused(Status::NotRegular);
    file.reason = "Not a regular file";
    return file;
}

class OpenFile {
public:
    explicit OpenFile(int fd) : fd_(fd) {}
    ~OpenFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

}  // namespace

InputFile readInputFile(const std::string& path, std::uint64_t maxBytes) {
    struct stat info {};
    // Looked at before it is opened: opening some devices has effects of its own.
    if (::stat(path.c_str(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? refused(Status::Missing)
                                                   : unreadable(Status::Unreadable, errno);
    if (!S_ISREG(info.st_mode)) return notRegular(info.st_mode);

    // O_NONBLOCK: should the path have become a FIFO meanwhile, the open does not wait for a writer.
    const OpenFile file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd() < 0) return unreadable(Status::Unreadable, errno);
    if (::fstat(file.fd(), &info) != 0) return unreadable(Status::Unreadable, errno);
    if (!S_ISREG(info.st_mode)) return notRegular(info.st_mode);
    const auto size = static_cast<std::uint64_t>(info.st_size);
    if (size > maxBytes) return refused(Status::TooLarge, size);

    // The file may grow while it is read: never more than the limit and one byte.
    InputFile result{Status::Read, size, {}, {}};
    result.bytes.resize(static_cast<std::size_t>(size) + 1);
    std::size_t got = 0;
    while (got < result.bytes.size()) {
        const ssize_t n = ::read(file.fd(), result.bytes.data() + got, result.bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return unreadable(Status::Unreadable, errno);
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
        if (got > maxBytes) return refused(Status::TooLarge, got);
        // Counted in 64 bits: the limit may not fit a 32-bit size (WebAssembly), the buffer always does.
        if (got == result.bytes.size())
            result.bytes.resize(
                static_cast<std::size_t>(std::min<std::uint64_t>(std::uint64_t{got} * 2, maxBytes + 1)));
    }
    result.bytes.resize(got);
    result.size = got;
    return result;
}

}  // namespace zeru::cfgfile
