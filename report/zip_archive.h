// SPDX-License-Identifier: GPL-3.0-or-later
// A .zip archive made in memory (libzip), of named files with their bytes.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace zeru::report {

struct ArchiveFile {
    std::string name;
    std::string bytes;
};

// The archive's bytes, every file compressed; throws std::runtime_error with
// libzip's reason when it cannot be made.
std::string zipArchive(const std::vector<ArchiveFile>& files);

}  // namespace zeru::report
