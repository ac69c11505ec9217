// SPDX-License-Identifier: GPL-3.0-or-later
#include "cfgfile/file_history.h"

#include <algorithm>
#include <filesystem>

#include "interaction/utf8_path.h"

namespace zeru::cfgfile {

std::vector<std::string> withRecentFile(std::vector<std::string> recent, const std::string& path) {
    std::erase(recent, path);
    recent.insert(recent.begin(), path);
    if (recent.size() > kRecentFilesKept) recent.resize(kRecentFilesKept);
    return recent;
}

std::string lastUsedFolder(const FileHistory& history) {
    namespace fs = std::filesystem;
    for (const std::string& file : history.recentFiles()) {
        const fs::path folder = pathFromUtf8(file).parent_path();
        std::error_code ec;
        if (!folder.empty() && fs::is_directory(folder, ec)) return utf8FromPath(folder);
    }
    return {};
}

}  // namespace zeru::cfgfile
