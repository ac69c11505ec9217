// SPDX-License-Identifier: GPL-3.0-or-later
// When a file was last written, to the finest tick the file system keeps,
// and setting it: backups made within one second are told apart by it.
// (MinGW's std::filesystem reads and sets whole seconds only.)
#pragma once

#include <filesystem>
#include <system_error>

namespace zeru::backup {

// The file's last write time; the clock's epoch with `error` set when it
// cannot be read.
std::filesystem::file_time_type lastWriteTime(const std::filesystem::path& path, std::error_code& error);

// Sets the file's last write time, to 100 ns on Windows and 1 ns elsewhere.
void setLastWriteTime(const std::filesystem::path& path, std::filesystem::file_time_type time,
                      std::error_code& error);

}  // namespace zeru::backup
