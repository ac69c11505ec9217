// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-file reading and crash-safe replacement of a file's content.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cfgfile/file_read.h"
#include "settings/result.h"

namespace zeru::cfgfile {

// "Unable to write to %s" with the path in place of %s ("an empty path" when
// it is empty), and the failure that carries it (ImageRefused).
std::string unableToWriteText(const std::string& path);
Failure unableToWrite(const std::string& path);

// The bytes of a regular file of at most kMaxConfigFileSize bytes; nullopt
// otherwise (see readInputFile).
std::optional<std::string> readFileBytes(const std::string& path);

// Whether replaceFileContent may write to `path`: a free name in a folder
// that is there, or a regular file that its permissions let the caller write
// and whose owner it can keep (the caller's own, or any as the superuser),
// reached directly or through symbolic links (a dangling link leads to the
// free name it points at). A FIFO, socket, device or folder is never
// replaced, and neither is a file that nobody may write, not even by the
// superuser, nor a name in a missing folder. Only looks; writes nothing.
bool mayReplaceFileContent(const std::string& path);

// Replaces the file's content by `bytes` so that the file is never seen half
// written: the bytes go to a new file in the same folder, flushed to disk,
// which then takes the file's place. A symbolic link is followed and stays;
// the replaced file keeps its mode, owner and group (when they cannot be kept,
// as for another user's file, the save is refused); the mode is set before
// any content is written. The new file has no name until it is complete where
// the file system allows (O_TMPFILE), else a hidden name beside the file; a
// hidden name a killed save left is removed by the next save of that file. A
// file with several hard links is rewritten where it stands, so that all its
// names keep showing one file (room for the content is taken first; only a
// crash in the middle of that write can leave it part written). On any
// failure, or when mayReplaceFileContent refuses, `path` is left as it was, no temporary
// file is left behind and the failure is unableToWrite.
Outcome replaceFileContent(const std::string& path, std::string_view bytes);

// Creates a new file `path` holding `bytes`, readable and writable by its
// owner only whatever the umask. The name is taken only by the complete file
// and never replaces one (on a file system without hard links it is claimed
// first, then filled): false (nothing written) when the name is taken, also
// by another process at the same moment; unableToWrite when the file cannot
// be made.
Result<bool> createPrivateFile(const std::string& path, std::string_view bytes);

}  // namespace zeru::cfgfile
