// SPDX-License-Identifier: GPL-3.0-or-later
// The backup folder: every backup is the device's raw memory,
// "<stamp>_<CALLSIGN>-<SSID>.bin", and, when it decodes, the same settings as
// "Save to file" writes them, "<stamp>_<CALLSIGN>-<SSID>.cfg". A memory that
// does not decode is "<stamp>_unknown.bin". The stamp is the local time,
// "2024-05-01T18-30-05"; a name already taken gets "-2", "-3" ... after its
// stamp. Names are taken atomically, so processes writing at the same moment
// get a name each; files are the user's alone. Only the newest backups are
// kept, by the time they were made, not by their names.
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

// Where the memory came from: a device on the USB, or the simulator or a
// recorded trace standing in for one. Backups of the second kind go to a
// folder of their own under the backup folder, kept and counted apart, so
// that they never prune, replace or outrank a real device's.
enum class DeviceOrigin { Real, Simulated };
inline constexpr std::string_view kSimulatedFolder = "simulated";
std::filesystem::path backupsOf(const std::filesystem::path& folder, DeviceOrigin origin);

// The folder backups go to: $XDG_STATE_HOME/kestrovane-zeru/backups, else
// $HOME/.local/state/kestrovane-zeru/backups; on Windows
// %LOCALAPPDATA%\Kestrovane\Zeru\backups. `environment` reads one variable
// (nullopt when unset); nullopt when none gives a folder. Each system's
// backup_location_*.cpp defines these.
using Environment = std::function<std::optional<std::string>(const char*)>;
std::optional<std::filesystem::path> defaultBackupFolder(const Environment& environment);
std::optional<std::filesystem::path> defaultBackupFolder();  // from this process's environment
// Makes `folder` (its parent exists) readable and writable by its owner only,
// whatever the umask; false when it was there already, cfgfile::unableToWrite
// when it cannot be made.
Result<bool> makePrivateFolder(const std::filesystem::path& folder);
// makePrivateFolder for `folder` and every missing folder above it, from the
// top; cfgfile::unableToWrite of `folder` when one cannot be made.
Result<bool> makePrivateFolders(const std::filesystem::path& folder);
// Whether an existing folder lets its group or others in.
bool openToOthers(const std::filesystem::path& folder);
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

    // Creates the folder (0700, as every missing folder above it) when
    // missing, else completes the backups a kill left without their .cfg;
    // refuses a folder reached through a link another user planted
    // (cfgfile::plantedLink); writes the backup (0600) under a name not
    // yet taken, then removes the oldest backups beyond the number kept, never
    // the one just made.
    Result<std::string> keep(const ConfigImage& memory, const Settings* settings) override;

    // "Backup folder PATH can be read by others." when the folder exists with
    // access for its group or others (it is left as the user set it).
    std::optional<std::string> folderNote() const override;

    // Every backup in the folder, newest first by the time it was made (those
    // made while the clock ran ahead last); other files are left out.
    std::vector<BackupEntry> list() const;

    const std::filesystem::path& folder() const { return folder_; }

private:
    Result<bool> makeFolder() const;  // true when it was missing
    void removeOldest(const std::filesystem::path& justMade) const;

    std::filesystem::path folder_;
    LocalTime now_;
    std::size_t kept_;
};

}  // namespace zeru::backup
