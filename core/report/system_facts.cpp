// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/system_facts.h"

#include <sys/utsname.h>

#include "cfgfile/file_read.h"

namespace zeru::report {
namespace {

// The value of KEY="VALUE" in an os-release file's text.
std::string osReleaseValue(const std::string& text, const std::string& key) {
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string line = text.substr(at, end - at);
        if (line.starts_with(key + "=")) {
            std::string value = line.substr(key.size() + 1);
            if (value.size() >= 2 && (value.front() == '"' || value.front() == '\''))
                value = value.substr(1, value.size() - 2);
            return value;
        }
        at = end + 1;
    }
    return {};
}

}  // namespace

std::string programBuild() {
    std::string build = "Kestrovane Zeru Configurator " ZERU_PROGRAM_VERSION ", " ZERU_BUILD_TYPE " build";
#if defined(__clang__)
    build += ", Clang " __clang_version__;
#elif defined(__GNUC__)
    build += ", GCC " __VERSION__;
#endif
    return build;
}

std::string systemDescription() {
    std::string kernel = "unknown";
    struct utsname names {};
    if (uname(&names) == 0)
        kernel = std::string(names.sysname) + " " + names.release + " " + names.version + " " + names.machine;
    std::string distribution = "unknown";
    // The file's usual place, then the one every system has (os-release(5)).
    for (const char* path : {"/etc/os-release", "/usr/lib/os-release"}) {
        const cfgfile::InputFile file = cfgfile::readInputFile(path, std::uint64_t{64} * 1024);
        if (file.status != cfgfile::InputFile::Status::Read) continue;
        const std::string name = osReleaseValue(file.bytes, "PRETTY_NAME");
        if (!name.empty()) {
            distribution = name;
            break;
        }
    }
    return "Kernel: " + kernel + "\nDistribution: " + distribution + "\n";
}

}  // namespace zeru::report
