// SPDX-License-Identifier: GPL-3.0-or-later
// What the tests make of the files zeru-cli leaves: settings loaded back from
// a configuration file, and images built or spoiled on purpose.
#pragma once

#include <string>

#include "cfgfile/config_file.h"
#include "image/config_image.h"
#include "settings/settings_model.h"
#include "support/recording_ui.h"

namespace zeru::test {

// The settings a configuration file holds, loaded as "Read from file" does
// over the start-up settings; fails the test when the file is refused.
SettingsModel settingsOfFile(const std::string& path);

ConfigImage imageOfFile(const std::string& path);
void writeImageFile(const std::string& path, const ConfigImage& image);
// Stores the image's checksum again after a change to its configuration block.
void fixChecksum(ConfigImage& image);

}  // namespace zeru::test
