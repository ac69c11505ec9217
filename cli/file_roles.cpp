// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/file_roles.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "interaction/utf8_path.h"

namespace zeru::cli {
namespace {

namespace fs = std::filesystem;

// The path made absolute, its links and dot segments resolved as far as it exists.
std::optional<fs::path> resolved(const std::string& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(pathFromUtf8(path), error);
    if (error) return std::nullopt;
    fs::path canonical = fs::weakly_canonical(absolute, error);
    if (error) return std::nullopt;
    return canonical;
}

}  // namespace

std::vector<NamedFile> namedFiles(const CLI::App& command, const GlobalOptions& global) {
    std::vector<NamedFile> files;
    for (const CLI::Option* option : command.get_options())
        if (option->get_positional())
            for (const std::string& path : option->results()) files.push_back({path, "input", true, false});
    if (global.replay) files.push_back({*global.replay, "replayed trace", true, false});
    if (global.simulate) files.push_back({*global.simulate, "simulator state", true, true});
    if (global.trace) files.push_back({*global.trace, "trace", false, true});
    for (const CLI::Option* option : command.get_options()) {
        const auto& shortNames = option->get_snames();
        if (std::find(shortNames.begin(), shortNames.end(), "o") != shortNames.end())
            for (const std::string& path : option->results())
                files.push_back({path, "output file", false, true});
    }
    return files;
}

bool sameFile(const std::string& a, const std::string& b) {
    std::error_code errorA, errorB;
    const fs::path pathA = pathFromUtf8(a), pathB = pathFromUtf8(b);
    if (fs::exists(pathA, errorA) && fs::exists(pathB, errorB)) {
        std::error_code error;
        const bool same = fs::equivalent(pathA, pathB, error);
        if (!error) return same;
    }
    const auto resolvedA = resolved(a), resolvedB = resolved(b);
    return resolvedA && resolvedB && *resolvedA == *resolvedB;
}

std::optional<std::string> outputAlsoInput(const std::vector<NamedFile>& files) {
    for (std::size_t later = 1; later < files.size(); ++later)
        for (std::size_t earlier = 0; earlier < later; ++earlier) {
            const NamedFile& a = files[earlier];
            const NamedFile& b = files[later];
            if (!a.written && !b.written) continue;
            if (!sameFile(a.path, b.path)) continue;
            // The file written tells first; inputs stand before outputs.
            const NamedFile& output = b.written ? b : a;
            const NamedFile& other = b.written ? a : b;
            return "The output file " + output.path + " is also the " + other.role + " " + other.path + ".";
        }
    return std::nullopt;
}

}  // namespace zeru::cli
