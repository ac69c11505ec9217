// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/core/browser_backups.h"

#include <emscripten.h>

#include "cfgfile/file_read.h"
#include "cfgfile/file_replace.h"

namespace {

// clang-format off
// 1 when the page kept the folder in the browser's storage (or keeps nothing).
EM_ASYNC_JS(int, zeru_persist_backups, (), {
    if (typeof Module.zeruPersistBackups !== 'function') return 1;
    try { return (await Module.zeruPersistBackups()) === false ? 0 : 1; } catch (e) { return 0; }
});
// clang-format on

}  // namespace

namespace zeru::web {

BrowserBackups::BrowserBackups(std::filesystem::path folder) : folder_(std::move(folder)) {}

Result<std::string> BrowserBackups::keep(const ConfigImage& memory, const Settings* settings) {
    const Result<std::string> kept = folder_.keep(memory, settings);
    if (!kept) return kept;
    const std::string name = std::filesystem::path(*kept).filename().string();
    if (!zeru_persist_backups()) return cfgfile::unableToWrite(name);
    return name;
}

std::optional<std::string> BrowserBackups::file(const std::string& name) const {
    if (name.empty() || name.find('/') != std::string::npos || name == "." || name == "..")
        return std::nullopt;
    const cfgfile::InputFile input = cfgfile::readInputFile((folder_.folder() / name).string(), 1 << 20);
    if (input.status != cfgfile::InputFile::Status::Read) return std::nullopt;
    return input.bytes;
}

}  // namespace zeru::web
