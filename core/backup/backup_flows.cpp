// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/backup_flows.h"

#include <utility>

#include "backup/backup_folder.h"
#include "cfgfile/file_flows.h"
#include "interaction/utf8_path.h"

namespace zeru::backup {

BackupFlows::BackupFlows(UserInterface& ui, std::filesystem::path folder, Load load)
    : ui_(ui), folder_(std::move(folder)), load_(std::move(load)) {}

void BackupFlows::openBackup() {
    // Made when missing, as a backup would make it, so that the dialog opens
    // there even before the first backup.
    if (!folder_.empty()) static_cast<void>(makePrivateFolders(folder_));
    const auto path =
        ui_.chooseOpenFile({utf8FromPath(folder_), std::string(cfgfile::kConfigFileFilter), ""});
    if (!path) return;
    if (pathFromUtf8(*path).extension() == ".bin") {
        ui_.information(Message::fromUtf8(kOnlyCfgLoads));
        return;
    }
    load_(*path);
}

}  // namespace zeru::backup
