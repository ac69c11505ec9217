// SPDX-License-Identifier: GPL-3.0-or-later
// Where backups go on Linux and other POSIX systems, how their folder is kept
// private, and their local time.
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

#include "backup/backup_folder.h"
#include "cfgfile/file_replace.h"
#include "interaction/utf8_path.h"

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

Result<bool> makePrivateFolder(const fs::path& folder) {
    const bool made = ::mkdir(folder.c_str(), 0700) == 0;
    if (!made && errno != EEXIST) return cfgfile::unableToWrite(utf8FromPath(folder));
    if (made && ::chmod(folder.c_str(), 0700) != 0)
        return cfgfile::unableToWrite(utf8FromPath(folder));  // whatever the umask took away
    return made;
}

bool openToOthers(const fs::path& folder) {
    constexpr fs::perms kOthersAccess = fs::perms::group_all | fs::perms::others_all;
    std::error_code error;
    const fs::file_status status = fs::status(folder, error);
    return !error && fs::is_directory(status) && (status.permissions() & kOthersAccess) != fs::perms::none;
}

std::tm BackupFolder::localTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace zeru::backup
