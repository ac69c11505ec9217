// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of file_replace.h that every system shares.
#include "cfgfile/file_replace.h"
#include "interaction/visible_text.h"

namespace zeru::cfgfile {

std::string unableToWriteText(const std::string& path) {
    return path.empty() ? std::string("Unable to write to an empty path")
                        : "Unable to write to " + visibleText(path);
}

Failure unableToWrite(const std::string& path) {
    return Failure::of(FailureKind::ImageRefused, unableToWriteText(path));
}

Failure plantedLinkRefusal(const std::string& path, const std::string& link) {
    return Failure::of(FailureKind::ImageRefused, unableToWriteText(path) + ": " +
                                                      (link == path ? std::string("it") : link) +
                                                      " is another user's link in a shared folder");
}

std::optional<std::string> readFileBytes(const std::string& path) {
    InputFile file = readInputFile(path, kMaxConfigFileSize);
    if (file.status != InputFile::Status::Read) return std::nullopt;
    return std::move(file.bytes);
}

}  // namespace zeru::cfgfile
