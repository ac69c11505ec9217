// SPDX-License-Identifier: GPL-3.0-or-later
// A .zip archive made in memory (libzip), of named files with their bytes.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "settings/result.h"

namespace zeru::report {

struct ArchiveFile {
    std::string name;
    std::string bytes;
};

// The archive's bytes, every file compressed; else a failure (ImageRefused)
// with libzip's reason ("Cannot make the archive: ...").
Result<std::string> zipArchive(const std::vector<ArchiveFile>& files);

}  // namespace zeru::report
