// SPDX-License-Identifier: GPL-3.0-or-later
// Reading an input file without trusting it: only a regular file (or a link
// to one) is read, never a FIFO, device or folder, which could block or never
// end; and its size is checked before a byte of it is read.
#pragma once

#include <cstdint>
#include <string>

namespace zeru::cfgfile {

// A real configuration file is under 5 KiB; this leaves room for comments.
inline constexpr std::uint64_t kMaxConfigFileSize = std::uint64_t{1024} * 1024;

struct InputFile {
    enum class Status {
        Read,        // `bytes` holds the whole file
        Missing,     // no such file
        NotRegular,  // a FIFO, socket, device or folder
        TooLarge,    // larger than the limit; `size` tells how large
        Unreadable,  // no permission, or a read error
    };
    Status status = Status::Unreadable;
    std::uint64_t size = 0;  // the file's size (Read, TooLarge)
    std::string bytes;
    std::string reason;  // why it cannot be read (NotRegular, Unreadable): the system's words
};

// The file at `path` when it is a regular file of at most `maxBytes` bytes.
InputFile readInputFile(const std::string& path, std::uint64_t maxBytes);

}  // namespace zeru::cfgfile
