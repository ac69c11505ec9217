// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-file reading and crash-safe replacement of a file's content.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "cfgfile/file_read.h"

namespace zeru::cfgfile {

// Raised when a file cannot be written; its message is "Unable to write to %s"
// with the path in place of %s.
class FileWriteError : public std::runtime_error {
public:
    explicit FileWriteError(const std::string& path);
};

// The bytes of a regular file of at most kMaxConfigFileSize bytes; nullopt
// otherwise (see readInputFile).
std::optional<std::string> readFileBytes(const std::string& path);

// Whether replaceFileContent may write to `path`: a free name, or a regular
// file that its permissions let the caller write, reached directly or through
// symbolic links (a dangling link leads to the free name it points at). A
// FIFO, socket, device or folder is never replaced, and neither is a file that
// nobody may write, not even by the superuser. Only looks; writes nothing.
bool mayReplace(const std::string& path);

// Replaces the file's content by `bytes` so that the file is never seen half
// written: the bytes go to a new file in the same folder, flushed to disk,
// which then takes the file's place. A symbolic link is followed and stays;
// the replaced file keeps its mode, and its owner and group where the caller
// may set them; the mode is set before any content is written. The new file
// has no name until it is complete where the file system allows (O_TMPFILE),
// else a hidden name beside the file. On any failure, or when mayReplace
// refuses, `path` is left as it was, no temporary file is left behind and
// FileWriteError is thrown.
void replaceFileContent(const std::string& path, std::string_view bytes);

}  // namespace zeru::cfgfile
