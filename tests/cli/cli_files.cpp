// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_files.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "cli_process.h"
#include "image/byte_fields.h"
#include "image/codec.h"
#include "image/layout.h"
#include "rules/rules.h"

namespace zeru::test {

SettingsModel settingsOfFile(const std::string& path) {
    SettingsModel settings;
    RecordingUi ui;
    rules::applyStartupSequence(settings, ui);
    EXPECT_TRUE(cfgfile::loadConfigFile(path, settings, ui)) << path << " was refused";
    return settings;
}

ConfigImage imageOfFile(const std::string& path) {
    const std::string bytes = readFile(path);
    ConfigImage image{};
    EXPECT_EQ(bytes.size(), image.size()) << path;
    std::copy_n(bytes.begin(), std::min(bytes.size(), image.size()), image.begin());
    return image;
}

void writeImageFile(const std::string& path, const ConfigImage& image) {
    writeFile(path, std::string(image.begin(), image.end()));
}

void fixChecksum(ConfigImage& image) { putU32(image, layout::kChecksumOffset, imageChecksum(image)); }

}  // namespace zeru::test
