// SPDX-License-Identifier: GPL-3.0-or-later
// A new folder of the caller's own under the system's temporary folder, on
// every system (mkdtemp is POSIX's alone).
#pragma once

#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

namespace zeru::test {

inline std::filesystem::path makeUniqueFolder(const std::string& prefix) {
    namespace fs = std::filesystem;
    std::random_device random;
    const fs::path parent = fs::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path folder = parent / (prefix + std::to_string(random()));
        std::error_code error;
        // false: the name is taken, try another.
        if (fs::create_directory(folder, error)) {
            fs::permissions(folder, fs::perms::owner_all, error);
            return folder;
        }
        if (error) throw std::system_error(error, "cannot make a folder in " + parent.string());
    }
    throw std::runtime_error("cannot find a free folder name in " + parent.string());
}

}  // namespace zeru::test
