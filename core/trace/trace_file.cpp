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

bool maySaveTrace(const std::string& path) { return cfgfile::mayReplaceFileContent(path); }

Outcome saveTrace(const Trace& trace, const std::string& path) {
    return cfgfile::replaceFileContent(path,
                                       isTextTracePath(path) ? formatTraceText(trace) : encodePcapng(trace));
}

Result<Trace> loadTrace(const std::string& path) {
    const auto refused = [](std::string text) {
        return Failure::of(FailureKind::ImageRefused, std::move(text));
    };
    const cfgfile::InputFile file = cfgfile::readInputFile(path, kMaxTraceFileSize);
    switch (file.status) {
        case cfgfile::InputFile::Status::Read:
            break;
        case cfgfile::InputFile::Status::Missing:
            return refused("Cannot read " + path + ": no such file.");
        case cfgfile::InputFile::Status::TooLarge:
            return refused("Cannot read " + path + ": larger than 256 MiB.");
        case cfgfile::InputFile::Status::NotRegular:
            return refused("Cannot read " + path + ": not a regular file.");
        case cfgfile::InputFile::Status::Unreadable:
            return refused("Cannot read " + path + ".");
    }
    Result<Trace> trace = decodePcapng(file.bytes);
    if (!trace) return refused(path + " is not a trace: " + trace.failure().text + ".");
    return trace;
}

}  // namespace zeru::trace
