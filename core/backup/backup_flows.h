// SPDX-License-Identifier: GPL-3.0-or-later
// The window's "Backups" command: a backup chosen in the backup folder is
// loaded exactly as "Read from file" loads a configuration file.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "interaction/user_interface.h"

namespace zeru::backup {

// Told when the file chosen is a device's raw memory: only configuration
// files load into the window.
inline constexpr std::string_view kOnlyCfgLoads =
    "Only .cfg files load. A .bin backup is the device's memory as it was read; "
    "zeru-cli decode turns it into a .cfg file.";

class BackupFlows {
public:
    // How a chosen configuration file is loaded: the window hands its "Read
    // from file" by path (recent files and title included).
    using Load = std::function<void(const std::string& path)>;

    BackupFlows(UserInterface& ui, std::filesystem::path folder, Load load);

    // Opens the open-file dialog in the backup folder and loads the chosen
    // file (cancel: nothing happens).
    void openBackup();

private:
    UserInterface& ui_;
    std::filesystem::path folder_;
    Load load_;
};

}  // namespace zeru::backup
