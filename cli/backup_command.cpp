// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/backup_command.h"

#include <cstdio>

#include "cli/exit_status.h"

namespace zeru::cli {

backup::BackupFolder backupFolderOf(const Options& options) {
    // Absolute, so that the paths it tells can be used from any folder.
    if (options.backupDir) return backup::BackupFolder(std::filesystem::absolute(*options.backupDir));
    const auto folder = backup::defaultBackupFolder();
    if (!folder) throw UsageError("no backup folder: set HOME or XDG_STATE_HOME, or give --backup-dir DIR");
    return backup::BackupFolder(*folder);
}

CommandSafety::CommandSafety(const Options& options) {
    if (options.noBackup) return;
    folder_ = std::make_unique<backup::BackupFolder>(backupFolderOf(options));
    net_ = std::make_unique<backup::SafetyNet>(*folder_);
}

int commandBackups(const Options& options) {
    for (const backup::BackupEntry& e : backupFolderOf(options).list())
        std::printf("%s  %s  %s\n", e.stamp.c_str(), e.station.c_str(), e.path.c_str());
    return std::fflush(stdout) == 0 ? kSuccess : kImageRefused;
}

}  // namespace zeru::cli
