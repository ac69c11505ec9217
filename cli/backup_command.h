// SPDX-License-Identifier: GPL-3.0-or-later
// zeru-cli's side of the backups: the folder a command keeps them in, the
// safety net of write and upload-firmware, and the "backups" command.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "backup/backup_folder.h"
#include "backup/safety_net.h"
#include "cli/command_set.h"

namespace zeru::cli {

struct BackupOptions {
    bool noBackup = false;                 // --no-backup
    std::optional<std::string> backupDir;  // --backup-dir DIR
    bool simulated = false;                // "backups --simulated"
};

// --backup-dir DIR, and with `skippable` --no-backup.
void addBackupOptions(CLI::App& command, BackupOptions& into, bool skippable);

// The backup folder of a command: --backup-dir (made absolute), else the
// default one, `defaultFolder` (this process's backup::defaultBackupFolder
// when not given). A failure (ImageRefused) when neither is known (no HOME):
// "No backup folder: set HOME or XDG_STATE_HOME, or give --backup-dir."
Result<backup::BackupFolder> backupFolderOf(const BackupOptions& options);
Result<backup::BackupFolder> backupFolderOf(const BackupOptions& options,
                                            const std::optional<std::filesystem::path>& defaultFolder);

// What write and upload-firmware run before they send: the backup into the
// command's folder (its simulated/ folder for a simulated or replayed
// device), or nothing with --no-backup.
class CommandSafety {
public:
    // The failure of backupFolderOf when the folder is not known.
    static Result<CommandSafety> of(const BackupOptions& options, backup::DeviceOrigin origin);
    WriteSafety* get() { return net_.get(); }

private:
    CommandSafety() = default;

    std::unique_ptr<backup::BackupFolder> folder_;
    std::unique_ptr<backup::SafetyNet> net_;
};

// "backups": every backup of a real device, newest first, "stamp
// CALLSIGN-SSID  PATH" a line, then on standard error how many of simulated
// devices there are, when any; with --simulated those instead.
void addBackupsCommand(CommandSet& commands);

}  // namespace zeru::cli
