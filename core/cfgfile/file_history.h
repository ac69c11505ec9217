// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration files used last, kept between runs: "Read from file"
// offers them again, and both file dialogs start in the folder of the latest.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zeru::cfgfile {

inline constexpr std::size_t kRecentFilesKept = 8;

// `recent` with `path` moved to the front, each file once, at most 8.
std::vector<std::string> withRecentFile(std::vector<std::string> recent, const std::string& path);

// Where the list is kept (the window keeps it in its own settings).
class FileHistory {
public:
    virtual ~FileHistory() = default;
    virtual std::vector<std::string> recentFiles() const = 0;
    virtual void setRecentFiles(const std::vector<std::string>& files) = 0;
};

// The folder of the most recent file that still exists; "" when there is none.
std::string lastUsedFolder(const FileHistory& history);

}  // namespace zeru::cfgfile
