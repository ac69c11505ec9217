// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/memory_file.h"

#include <algorithm>
#include <filesystem>

#include "cfgfile/file_replace.h"
#include "interaction/utf8_path.h"

namespace zeru::sim {

bool isBlankState(const std::string& path) {
    std::error_code error;
    const std::filesystem::path file = pathFromUtf8(path);
    const auto size = std::filesystem::file_size(file, error);
    return error ? !std::filesystem::exists(file, error) : size == 0;
}

std::optional<ConfigImage> readMemoryFile(const std::string& path, std::string& error) {
    using Status = cfgfile::InputFile::Status;
    const cfgfile::InputFile file = cfgfile::readInputFile(path, kImageSize);
    switch (file.status) {
        case Status::Read:
        case Status::TooLarge:
            break;
        case Status::NotRegular:
            error = path + " is not a file";
            return std::nullopt;
        case Status::Missing:
        case Status::Unreadable:
            error = "cannot read " + path;
            return std::nullopt;
    }
    if (file.size != kImageSize) {
        error = path + " holds " + std::to_string(file.size) + " bytes, not " + std::to_string(kImageSize);
        return std::nullopt;
    }
    ConfigImage memory;
    std::transform(file.bytes.begin(), file.bytes.end(), memory.begin(),
                   [](char c) { return static_cast<std::uint8_t>(c); });
    return memory;
}

bool writeMemoryFile(const std::string& path, const ConfigImage& memory, std::string& error) {
    const Outcome written = cfgfile::replaceFileContent(path, std::string(memory.begin(), memory.end()));
    if (!written) error = written.failure().text + ".";
    return written.ok();
}

}  // namespace zeru::sim
