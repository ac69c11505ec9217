// SPDX-License-Identifier: GPL-3.0-or-later
// zeru-cli's side of the backups: the folder a command keeps them in, the
// safety net of write and upload-firmware, and the "backups" command.
#pragma once

#include <memory>

#include "backup/backup_folder.h"
#include "backup/safety_net.h"
#include "cli/options.h"
#include "cli/terminal_ui.h"

namespace zeru::cli {

// The backup folder of a command: --backup-dir, else the default one.
// Throws UsageError when neither is known (no HOME).
backup::BackupFolder backupFolderOf(const Options& options);

// What write and upload-firmware run before they send: the backup into the
// command's folder, or nothing with --no-backup.
class CommandSafety {
public:
    explicit CommandSafety(const Options& options);
    WriteSafety* get() { return net_.get(); }

private:
    std::unique_ptr<backup::BackupFolder> folder_;
    std::unique_ptr<backup::SafetyNet> net_;
};

// "backups": every backup, newest first, "stamp  CALLSIGN-SSID  PATH" a line.
int commandBackups(const Options& options);

}  // namespace zeru::cli
