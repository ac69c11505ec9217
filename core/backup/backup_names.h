// SPDX-License-Identifier: GPL-3.0-or-later
// The names of backups: "<stamp>[-<copy>]_<station>.bin" and ".cfg".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zeru::backup {

inline constexpr std::size_t kStampLength = 19;  // "2024-05-01T18-30-05"

// A backup's base name taken apart: "2024-05-01T18-30-05-2_OK1ZRU-9".
struct BackupName {
    std::string stamp;  // with its "-2" when it has one
    int copy = 1;       // 2 for "-2" ...
    std::string station;
};

// nullopt for a name that is not a backup's.
std::optional<BackupName> parseBackupName(std::string_view base);

// The base name of copy `copy` (1: none written) of `stamp` for `station`.
std::string backupBaseName(std::string_view stamp, int copy, std::string_view station);

}  // namespace zeru::backup
