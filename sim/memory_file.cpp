// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/memory_file.h"

#include <algorithm>
#include <filesystem>

#include "cfgfile/file_replace.h"
#include "interaction/utf8_path.h"
#include "interaction/visible_text.h"

namespace zeru::sim {

bool isBlankState(const std::string& path) {
    std::error_code error;
    const std::filesystem::path file = pathFromUtf8(path);
    const auto size = std::filesystem::file_size(file, error);
    return error ? !std::filesystem::exists(file, error) : size == 0;
}

Result<ConfigImage> readMemoryFile(const std::string& path) {
    using Status = cfgfile::InputFile::Status;
    const auto refused = [](std::string text) {
        return Failure::of(FailureKind::ImageRefused, std::move(text));
    };
    const cfgfile::InputFile file = cfgfile::readInputFile(path, kImageSize);
    const std::string shown = visibleText(path);
    switch (file.status) {
        case Status::Read:
        case Status::TooLarge:
            break;
        case Status::NotRegular:
            return refused(shown + " is not a file");
        case Status::Missing:
        case Status::Unreadable:
            return refused("cannot read " + shown);
    }
    if (file.size != kImageSize)
        return refused(shown + " holds " + std::to_string(file.size) + " bytes, not " +
                       std::to_string(kImageSize));
    ConfigImage memory;
    std::transform(file.bytes.begin(), file.bytes.end(), memory.begin(),
                   [](char c) { return static_cast<std::uint8_t>(c); });
    return memory;
}

Outcome writeMemoryFile(const std::string& path, const ConfigImage& memory) {
    return cfgfile::replaceFileContent(path, std::string(memory.begin(), memory.end()));
}

}  // namespace zeru::sim
