// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-file reading and crash-safe replacement of a file's content.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zeru::cfgfile {

// Raised when a file cannot be written; its message is "Unable to write to %s"
// with the path in place of %s.
class FileWriteError : public std::runtime_error {
public:
    explicit FileWriteError(const std::string& path);
};

// The file's bytes; nullopt when it does not exist or cannot be read.
std::optional<std::string> readFileBytes(const std::string& path);

// Replaces the file's content by `bytes` so that the file is never seen half
// written: the bytes go to a new file in the same folder, flushed to disk, which
// is then renamed over `path` (a symbolic link is followed, and an existing
// file's permission bits are kept). On any failure the temporary file is
// removed, `path` is left as it was and FileWriteError is thrown.
void replaceFileContent(const std::string& path, std::string_view bytes);

}  // namespace zeru::cfgfile
