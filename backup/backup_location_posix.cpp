// SPDX-License-Identifier: GPL-3.0-or-later
// Where backups go on Linux and other POSIX systems, and their local time.
#include <cstdlib>

#include "backup/backup_folder.h"

namespace zeru::backup {
namespace fs = std::filesystem;

namespace {
constexpr std::string_view kAppFolder = "kestrovane-zeru";
}  // namespace

std::optional<fs::path> defaultBackupFolder(const Environment& environment) {
    // XDG_STATE_HOME counts only when it is an absolute path; a relative one
    // is ignored.
    if (auto state = environment("XDG_STATE_HOME"); state && !state->empty() && (*state)[0] == '/')
        return fs::path(*state) / kAppFolder / "backups";
    if (auto home = environment("HOME"); home && !home->empty())
        return fs::path(*home) / ".local" / "state" / kAppFolder / "backups";
    return std::nullopt;
}

std::optional<fs::path> defaultBackupFolder() {
    return defaultBackupFolder([](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        if (!value) return std::nullopt;
        return std::string(value);
    });
}

std::string defaultBackupFolderHelp() {
    return "$XDG_STATE_HOME/kestrovane-zeru/backups or ~/.local/state/kestrovane-zeru/backups";
}

std::string backupFolderVariables() { return "HOME or XDG_STATE_HOME"; }

std::tm BackupFolder::localTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace zeru::backup
