// SPDX-License-Identifier: GPL-3.0-or-later
// zeru-cli's side of the backups: the folder a command keeps them in, the
// safety net of write and upload-firmware, and the "backups" command.
#pragma once

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
};

// --backup-dir DIR, and with `skippable` --no-backup.
void addBackupOptions(CLI::App& command, BackupOptions& into, bool skippable);

// The backup folder of a command: --backup-dir (made absolute), else the
// default one. Throws std::runtime_error when neither is known (no HOME).
backup::BackupFolder backupFolderOf(const BackupOptions& options);

// What write and upload-firmware run before they send: the backup into the
// command's folder, or nothing with --no-backup.
class CommandSafety {
public:
    explicit CommandSafety(const BackupOptions& options);
    WriteSafety* get() { return net_.get(); }

private:
    std::unique_ptr<backup::BackupFolder> folder_;
    std::unique_ptr<backup::SafetyNet> net_;
};

// "backups": every backup, newest first, "stamp  CALLSIGN-SSID  PATH" a line.
void addBackupsCommand(CommandSet& commands);

}  // namespace zeru::cli
