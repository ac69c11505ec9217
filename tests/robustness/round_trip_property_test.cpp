// SPDX-License-Identifier: GPL-3.0-or-later
// Random valid configurations travel through every layer and back: saved to
// a configuration file, loaded from it, encoded and written to the simulated
// device, read back and decoded. What arrives must equal what left, up to the
// normalisations that the image applies (plain decimal numbers, upper-case
// names without trailing spaces, SSID 0 behind an empty name, first character
// of the symbols) and the one the file applies to flags.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "cfgfile/config_file.h"
#include "cfgfile/file_keys.h"
#include "device/device_flows.h"
#include "settings/catalogue.h"
#include "settings/settings_model.h"
#include "sim/device_simulator.h"
#include "sim/simulator_transport.h"
#include "support/random_settings.h"
#include "support/recording_ui.h"
#include "support/settings_diff.h"

namespace zeru::test {
namespace {

// Enough to meet every setting's edge values many times over, and quick
// enough under the sanitizers (3000; 1000 as WebAssembly under node).
constexpr int kConfigurations = ZERU_ROUND_TRIP_CONFIGURATIONS;

using test::differences;

// A flag key of the file holds "0" for the first entry and "1" for anything
// else, so a flag without a selection (as an image may bring it) loads as "1".
void applyFileNormalisations(Settings& settings) {
    for (const cfgfile::FileKey& key : cfgfile::fileKeys())
        if (key.form == cfgfile::KeyForm::Flag)
            settings.setIndex(key.setting, settings.index(key.setting) == 0 ? 0 : 1);
}

// The window's beacon message fields drop line breaks from pasted text, so
// a configuration to be saved never holds any.
void dropLineBreaksFromMessages(Settings& settings) {
    for (int n = 1; n <= 4; ++n) {
        const std::string name = "Beacon" + std::to_string(n) + "_message";
        std::string text = settings.text(settingNamed(name));
        std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
        settings.setText(settingNamed(name), text);
    }
}

class TempFile {
public:
    TempFile()
        : path_((std::filesystem::temp_directory_path() /
                 ("zeru-round-trip-" + std::to_string(std::random_device{}()) + ".cfg"))
                    .string()) {}
    ~TempFile() { std::filesystem::remove(path_); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

TEST(RoundTripProperty, FileImageAndDeviceGiveTheConfigurationBack) {
    sim::DeviceState device;
    sim::SimulatorTransport transport(device);
    TempFile file;
    std::mt19937 rng(20240613);

    for (int i = 0; i < kConfigurations; ++i) {
        SCOPED_TRACE("configuration " + std::to_string(i));
        SettingsModel start;
        fillRandomValidSettings(start, rng, {.canonical = false, .allowNoSelection = i % 2 == 1});
        dropLineBreaksFromMessages(start);

        EXPECT_TRUE(cfgfile::saveConfigFile(start, file.path()));
        SettingsModel loaded;
        RecordingUi loadUi;
        ASSERT_TRUE(cfgfile::loadConfigFile(file.path(), loaded, loadUi));
        ASSERT_TRUE(loadUi.boxes().empty()) << loadUi.boxes().front();

        ConfigImages images;
        RecordingUi writeUi;
        ASSERT_TRUE(DeviceFlows(loaded, writeUi, images, transport).writeConfig())
            << (writeUi.boxes().empty() ? writeUi.logLines().back() : writeUi.boxes().front());

        SettingsModel readBack;
        RecordingUi readUi;
        ASSERT_TRUE(DeviceFlows(readBack, readUi, images, transport).readConfig())
            << readUi.logLines().back();

        SettingsModel expected;
        copySettings(start, expected);
        applyFileNormalisations(expected);
        applyImageNormalisations(expected);
        ASSERT_EQ(differences(readBack, expected), std::vector<std::string>{});
    }
}

}  // namespace
}  // namespace zeru::test
