// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/memory_file.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace zeru::sim {

std::optional<ConfigImage> readMemoryFile(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return std::nullopt;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        error = "cannot read " + path;
        return std::nullopt;
    }
    if (bytes.size() != kImageSize) {
        error = path + " holds " + std::to_string(bytes.size()) + " bytes, not " + std::to_string(kImageSize);
        return std::nullopt;
    }
    ConfigImage memory;
    for (std::size_t i = 0; i < kImageSize; ++i) memory[i] = static_cast<std::uint8_t>(bytes[i]);
    return memory;
}

bool writeMemoryFile(const std::string& path, const ConfigImage& memory, std::string& error) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (out)
        out.write(reinterpret_cast<const char*>(memory.data()), static_cast<std::streamsize>(memory.size()));
    if (out) out.close();
    if (!out) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace zeru::sim
