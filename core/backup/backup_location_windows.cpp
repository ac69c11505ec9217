// SPDX-License-Identifier: GPL-3.0-or-later
// Where backups go on Windows: %LOCALAPPDATA%\Kestrovane\Zeru\backups, the
// user's own folder that does not roam to other computers; and their local
// time. The folder inherits the access of the user's own folder it is in.
#include <windows.h>

#include <cstdlib>

#include "backup/backup_folder.h"
#include "cfgfile/file_replace.h"
#include "device/wide_text.h"
#include "interaction/utf8_path.h"

namespace zeru::backup {
namespace fs = std::filesystem;

std::optional<fs::path> defaultBackupFolder(const Environment& environment) {
    // Only an absolute path counts: "C:\Users\x\AppData\Local", or a share
    // ("\\server\share", which this standard library does not call absolute).
    if (auto local = environment("LOCALAPPDATA"); local && !local->empty()) {
        const fs::path folder = pathFromUtf8(*local);
        if (folder.is_absolute() || local->starts_with("\\\\"))
            return folder / "Kestrovane" / "Zeru" / "backups";
    }
    return std::nullopt;
}

std::optional<fs::path> defaultBackupFolder() {
    // The wide environment: the narrow one cannot hold every user name.
    return defaultBackupFolder([](const char* name) -> std::optional<std::string> {
        const std::wstring wideName = pathFromUtf8(name).wstring();
        const wchar_t* value = _wgetenv(wideName.c_str());
        if (!value) return std::nullopt;
        return utf8FromWide(value);
    });
}

std::string defaultBackupFolderHelp() { return "%LOCALAPPDATA%\\Kestrovane\\Zeru\\backups"; }

std::string backupFolderVariables() { return "LOCALAPPDATA"; }

Result<bool> makePrivateFolder(const fs::path& folder) {
    if (CreateDirectoryW(folder.c_str(), nullptr)) return true;
    if (GetLastError() != ERROR_ALREADY_EXISTS) return cfgfile::unableToWrite(utf8FromPath(folder));
    return false;
}

// Access lists, not mode bits, say who may read a folder here; the default
// folder is in the user's own profile.
bool openToOthers(const fs::path&) { return false; }

std::tm BackupFolder::localTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_s(&local, &now) != 0) return std::tm{};
    return local;
}

}  // namespace zeru::backup
