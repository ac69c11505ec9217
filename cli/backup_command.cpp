// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/backup_command.h"

#include <cstdio>

#include "cli/command_support.h"
#include "cli/exit_status.h"
#include "interaction/utf8_path.h"
#include "interaction/visible_text.h"

namespace zeru::cli {

void addBackupOptions(CLI::App& command, BackupOptions& into, bool skippable) {
    if (skippable)
        command.add_flag("--no-backup", into.noBackup, "no backup of the device's configuration first");
    command
        .add_option("--backup-dir", into.backupDir,
                    "the backup folder, instead of " + backup::defaultBackupFolderHelp())
        ->type_name("DIR");
}

Result<backup::BackupFolder> backupFolderOf(const BackupOptions& options) {
    return backupFolderOf(options, backup::defaultBackupFolder());
}

Result<backup::BackupFolder> backupFolderOf(const BackupOptions& options,
                                            const std::optional<std::filesystem::path>& defaultFolder) {
    if (options.backupDir) {
        // Absolute, so that the paths it tells can be used from any folder
        // (as given when the current folder cannot be told).
        const std::filesystem::path given = pathFromUtf8(*options.backupDir);
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(given, error);
        return backup::BackupFolder(error ? given : absolute);
    }
    if (!defaultFolder)
        return Failure::of(
            FailureKind::ImageRefused,
            "No backup folder: set " + backup::backupFolderVariables() + ", or give --backup-dir.");
    return backup::BackupFolder(*defaultFolder);
}

Result<CommandSafety> CommandSafety::of(const BackupOptions& options, backup::DeviceOrigin origin) {
    CommandSafety safety;
    if (options.noBackup) return safety;
    Result<backup::BackupFolder> folder = backupFolderOf(options);
    if (!folder) return folder.failure();
    safety.folder_ = std::make_unique<backup::BackupFolder>(backup::backupsOf(folder->folder(), origin));
    safety.net_ = std::make_unique<backup::SafetyNet>(*safety.folder_);
    return safety;
}

namespace {

int listBackups(const BackupOptions& options, CommandContext& c) {
    const Result<backup::BackupFolder> folder = backupFolderOf(options);
    if (!folder) return showFailure(folder.failure(), c.ui);
    using backup::DeviceOrigin;
    const backup::BackupFolder listed(backup::backupsOf(
        folder->folder(), options.simulated ? DeviceOrigin::Simulated : DeviceOrigin::Real));
    // Names in the folder come from outside: a planted one
    // must not steer the terminal.
    for (const backup::BackupEntry& e : listed.list())
        std::printf("%s  %s  %s\n", visibleText(e.stamp).c_str(), visibleText(e.station).c_str(),
                    visibleText(utf8FromPath(e.path)).c_str());
    if (std::fflush(stdout) != 0) return kImageRefused;
    if (!options.simulated) {
        // On standard error, so that the list stays one backup a line.
        const std::size_t n =
            backup::BackupFolder(backup::backupsOf(folder->folder(), DeviceOrigin::Simulated)).list().size();
        if (n > 0)
            c.ui.note(Message::fromUtf8(std::to_string(n) + (n == 1 ? " backup" : " backups") +
                                        " of simulated devices not listed (--simulated lists them)."));
    }
    return kSuccess;
}

}  // namespace

void addBackupsCommand(CommandSet& commands) {
    auto options = std::make_shared<BackupOptions>();
    CLI::App& command =
        commands.add("backups", "Lists the backups, newest first: stamp, CALLSIGN-SSID and path, one a line.",
                     [options](CommandContext& c) -> int { return listBackups(*options, c); });
    addBackupOptions(command, *options, false);
    command.add_flag("--simulated", options->simulated,
                     "the backups of simulated and replayed devices instead, kept apart");
}

}  // namespace zeru::cli
