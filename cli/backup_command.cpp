// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/backup_command.h"

#include <cstdio>
#include <stdexcept>

#include "cli/exit_status.h"
#include "cli/terminal_text.h"
#include "interaction/utf8_path.h"

namespace zeru::cli {

void addBackupOptions(CLI::App& command, BackupOptions& into, bool skippable) {
    if (skippable)
        command.add_flag("--no-backup", into.noBackup, "no backup of the device's configuration first");
    command
        .add_option("--backup-dir", into.backupDir,
                    "the backup folder, instead of " + backup::defaultBackupFolderHelp())
        ->type_name("DIR");
}

backup::BackupFolder backupFolderOf(const BackupOptions& options) {
    // Absolute, so that the paths it tells can be used from any folder.
    if (options.backupDir)
        return backup::BackupFolder(std::filesystem::absolute(pathFromUtf8(*options.backupDir)));
    const auto folder = backup::defaultBackupFolder();
    if (!folder)
        throw std::runtime_error("No backup folder: set " + backup::backupFolderVariables() +
                                 ", or give --backup-dir.");
    return backup::BackupFolder(*folder);
}

CommandSafety::CommandSafety(const BackupOptions& options) {
    if (options.noBackup) return;
    folder_ = std::make_unique<backup::BackupFolder>(backupFolderOf(options));
    net_ = std::make_unique<backup::SafetyNet>(*folder_);
}

void addBackupsCommand(CommandSet& commands) {
    auto options = std::make_shared<BackupOptions>();
    CLI::App& command = commands.add(
        "backups", "Lists the backups, newest first: stamp, CALLSIGN-SSID and path, one a line.",
        [options](CommandContext&) {
            // Names in the folder come from outside: a planted one
            // must not steer the terminal.
            for (const backup::BackupEntry& e : backupFolderOf(*options).list())
                std::printf("%s  %s  %s\n", terminalText(e.stamp).c_str(), terminalText(e.station).c_str(),
                            terminalText(utf8FromPath(e.path)).c_str());
            return std::fflush(stdout) == 0 ? kSuccess : kImageRefused;
        });
    addBackupOptions(command, *options, false);
}

}  // namespace zeru::cli
