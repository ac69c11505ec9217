// SPDX-License-Identifier: GPL-3.0-or-later
// The standard library's own calls: utimensat and stat, to the nanosecond.
#include "backup/file_times.h"

namespace zeru::backup {

std::filesystem::file_time_type lastWriteTime(const std::filesystem::path& path, std::error_code& error) {
    return std::filesystem::last_write_time(path, error);
}

void setLastWriteTime(const std::filesystem::path& path, std::filesystem::file_time_type time,
                      std::error_code& error) {
    std::filesystem::last_write_time(path, time, error);
}

}  // namespace zeru::backup
