// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/backup_flows.h"

#include <utility>

#include "cfgfile/config_file.h"
#include "cfgfile/file_flows.h"
#include "interaction/command.h"

namespace zeru::backup {

BackupFlows::BackupFlows(Settings& settings, UserInterface& ui, std::filesystem::path folder)
    : settings_(settings), ui_(ui), folder_(std::move(folder)) {}

void BackupFlows::openBackup() {
    // Made when missing, as a backup would make it, so that the dialog opens
    // there even before the first backup.
    std::error_code error;
    if (!folder_.empty() && std::filesystem::create_directories(folder_, error))
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_all, error);
    const auto path = ui_.chooseOpenFile({folder_.string(), std::string(cfgfile::kConfigFileFilter), ""});
    if (!path) return;
    if (std::filesystem::path(*path).extension() == ".bin") {
        ui_.information(kOnlyCfgLoads);
        return;
    }
    runCommand(ui_, [&] { cfgfile::loadConfigFile(*path, settings_, ui_); });
}

}  // namespace zeru::backup
