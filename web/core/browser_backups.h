// SPDX-License-Identifier: GPL-3.0-or-later
// Backups in the browser: the desktop's backup folder (names, "-2" copies,
// the newest kept) in the module's file system, which the page keeps in the
// browser's storage. Each backup is persisted before the write goes on.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "backup/backup_folder.h"

namespace zeru::web {

inline constexpr std::string_view kBackupFolder = "/backups";

class BrowserBackups final : public backup::BackupStore {
public:
    explicit BrowserBackups(std::filesystem::path folder = std::filesystem::path(kBackupFolder));

    // Keeps the backup in the folder, then has the page persist it; returns
    // the file name the log shows.
    Result<std::string> keep(const ConfigImage& memory, const Settings* settings) override;

    backup::BackupFolder& folder() { return folder_; }
    // The bytes of one backup file by its name; nullopt for another name.
    std::optional<std::string> file(const std::string& name) const;

private:
    backup::BackupFolder folder_;
};

}  // namespace zeru::web
