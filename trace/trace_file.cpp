// SPDX-License-Identifier: GPL-3.0-or-later
#include "trace/trace_file.h"

#include <algorithm>
#include <cctype>

#include "cfgfile/file_read.h"
#include "cfgfile/file_replace.h"
#include "trace/pcapng_reader.h"
#include "trace/pcapng_writer.h"
#include "trace/text_form.h"

namespace zeru::trace {

bool isTextTracePath(const std::string& path) {
    if (path.size() < 4) return false;
    std::string extension = path.substr(path.size() - 4);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".txt";
}

bool maySaveTrace(const std::string& path) { return cfgfile::mayReplace(path); }

Outcome saveTrace(const Trace& trace, const std::string& path) {
    return cfgfile::replaceFileContent(path,
                                       isTextTracePath(path) ? formatTraceText(trace) : encodePcapng(trace));
}

std::optional<Trace> loadTrace(const std::string& path, std::string& error) {
    const cfgfile::InputFile file = cfgfile::readInputFile(path, kMaxTraceFileSize);
    switch (file.status) {
        case cfgfile::InputFile::Status::Read:
            break;
        case cfgfile::InputFile::Status::Missing:
            error = "Cannot read " + path + ": no such file.";
            return std::nullopt;
        case cfgfile::InputFile::Status::TooLarge:
            error = "Cannot read " + path + ": larger than 256 MiB.";
            return std::nullopt;
        case cfgfile::InputFile::Status::NotRegular:
            error = "Cannot read " + path + ": not a regular file.";
            return std::nullopt;
        case cfgfile::InputFile::Status::Unreadable:
            error = "Cannot read " + path + ".";
            return std::nullopt;
    }
    std::string why;
    auto trace = decodePcapng(file.bytes, why);
    if (!trace) error = path + " is not a trace: " + why + ".";
    return trace;
}

}  // namespace zeru::trace
