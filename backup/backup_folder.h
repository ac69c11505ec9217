// SPDX-License-Identifier: GPL-3.0-or-later
// The backup folder: every backup is the device's raw memory,
// "<stamp>_<CALLSIGN>-<SSID>.bin", and, when it decodes, the same settings as
// "Save to file" writes them, "<stamp>_<CALLSIGN>-<SSID>.cfg". A memory that
// does not decode is "<stamp>_unknown.bin". The stamp is the local time,
// "2024-05-01T18-30-05"; a name already taken gets "-2", "-3" ... after its
// stamp. Only the newest backups are kept.
#pragma once

#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "backup/backup_store.h"

namespace zeru::backup {

inline constexpr std::size_t kBackupsKept = 200;
inline constexpr std::string_view kUnknownStation = "unknown";

// The folder backups go to: $XDG_STATE_HOME/kestrovane-zeru/backups, else
// $HOME/.local/state/kestrovane-zeru/backups; on Windows
// %LOCALAPPDATA%\Kestrovane\Zeru\backups. `environment` reads one variable
// (nullopt when unset); nullopt when none gives a folder. Each system's
// backup_location_*.cpp defines these.
using Environment = std::function<std::optional<std::string>(const char*)>;
std::optional<std::filesystem::path> defaultBackupFolder(const Environment& environment);
std::optional<std::filesystem::path> defaultBackupFolder();  // from this process's environment
// The default folder as a help text names it, and the variables that give it.
std::string defaultBackupFolderHelp();
std::string backupFolderVariables();

// "2024-05-01T18-30-05".
std::string backupStamp(const std::tm& localTime);

// "OK1ZRU-9" from the settings' call sign and SSID; characters that have no
// place in a file name become "_".
std::string stationName(const Settings& settings);

struct BackupEntry {
    std::string stamp;           // "2024-05-01T18-30-05", "-2" and so on included
    std::string station;         // "OK1ZRU-9" or "unknown"
    std::filesystem::path path;  // the .cfg when there is one, else the .bin
};

class BackupFolder final : public BackupStore {
public:
    using LocalTime = std::function<std::tm()>;
    static std::tm localTimeNow();

    explicit BackupFolder(std::filesystem::path folder, LocalTime now = localTimeNow,
                          std::size_t kept = kBackupsKept);

    // Creates the folder when missing, writes the backup under a name not yet
    // taken, then removes the oldest backups beyond the number kept.
    std::string keep(const ConfigImage& memory, const Settings* settings) override;

    // Every backup in the folder, newest first; other files are left out.
    std::vector<BackupEntry> list() const;

    const std::filesystem::path& folder() const { return folder_; }

private:
    void removeOldest() const;

    std::filesystem::path folder_;
    LocalTime now_;
    std::size_t kept_;
};

}  // namespace zeru::backup
