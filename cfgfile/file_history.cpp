// SPDX-License-Identifier: GPL-3.0-or-later
#include "cfgfile/file_history.h"

#include <algorithm>
#include <filesystem>

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
        const fs::path folder = fs::path(file).parent_path();
        std::error_code ec;
        if (!folder.empty() && fs::is_directory(folder, ec)) return folder.string();
    }
    return {};
}

std::string displayPath(const std::string& path) {
    std::string shown;
    for (std::size_t i = 0; i < path.size();) {
        const auto lead = static_cast<unsigned char>(path[i]);
        std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : 4;
        if (i + length > path.size()) length = path.size() - i;
        if (length == 2 && lead <= 0xC3) {  // U+0080 to U+00FF: one 8-bit character
            shown +=
                static_cast<char>(((lead & 0x3) << 6) | (static_cast<unsigned char>(path[i + 1]) & 0x3F));
        } else {
            shown += length == 1 ? path[i] : '?';
        }
        i += length;
    }
    return shown;
}

}  // namespace zeru::cfgfile
