// SPDX-License-Identifier: GPL-3.0-or-later
// "Write config" and "Upload firmware" with the safety net, against the
// simulated device and a backup folder of the test's own.
#include <gtest/gtest.h>

#include <algorithm>

#include "backup/backup_folder.h"
#include "backup/safety_net.h"
#include "cfgfile/config_file.h"
#include "device/device_flows.h"
#include "image/codec.h"
#include "interaction/visible_text.h"
#include "settings/settings_model.h"
#include "sim/simulator_transport.h"
#include "support/encoded_image.h"
#include "support/recording_ui.h"
#include "support/settings_diff.h"
#include "temp_folder.h"

namespace zeru::test {
namespace {

namespace fs = std::filesystem;

SettingsModel sessionSettings() {
    SettingsModel s;
    s.setText(SettingId::Callsign, "OK1ZRU");
    s.setText(SettingId::Ssid, "9");
    return s;
}

// The session's settings with three of them changed, a choice among them.
SettingsModel otherSettings() {
    SettingsModel s = sessionSettings();
    s.setText(SettingId::Callsign, "DL2ABC");
    s.setText(SettingId::Quiettime, "1200");
    s.setIndex(SettingId::Ptt, 1);
    return s;
}

struct SafeSession {
    TempFolder temp;
    backup::BackupFolder backups{temp.path() / "backups"};
    backup::SafetyNet safety{backups};
    sim::DeviceState device;
    sim::SimulatorTransport transport{device};
    RecordingUi ui;
    SettingsModel settings = sessionSettings();
    ConfigImages images;
    DeviceFlows flows{settings, ui, images, transport, findFirmwareResource, &safety};

    // The lines between the backup read and the write.
    std::vector<std::string> linesBeforeTheWrite() const {
        const auto lines = ui.logLines();
        auto from = std::find(lines.begin(), lines.end(), "Page read: 224/224");
        auto to = std::find(lines.begin(), lines.end(), "Page written: 1/224");
        if (from == lines.end()) return {};
        return {from + 1, to};
    }
};

TEST(SafeWrite, BackupAndChangesFollowWhatTheDeviceHolds) {
    const std::string kept = "Backup saved: ";
    const struct {
        const char* name;
        std::optional<SettingsModel> onDevice;  // nullopt: erased
        std::vector<std::string> lines;
    } cases[] = {
        {"erased", std::nullopt, {"No backup: the device holds no valid configuration."}},
        {"same", sessionSettings(), {kept, "No changes: the device already holds this configuration."}},
        {"other",
         otherSettings(),
         {kept, "Changes on the device: 3 settings", R"(Radio.Callsign: "DL2ABC" -> "OK1ZRU")",
          R"(Radio.Quiettime: "1200" -> "400")", R"(Radio.PTT: "2k2 resistor" -> "separate output")"}},
    };
    for (const auto& c : cases) {
        SafeSession s;
        if (c.onDevice) s.device.memory = encodeOrFail(*c.onDevice, 0x2BAD);
        const ConfigImage before = s.device.memory;

        EXPECT_TRUE(s.flows.writeConfig()) << c.name;

        std::vector<std::string> lines = s.linesBeforeTheWrite();
        const auto backups = s.backups.list();
        if (!c.onDevice) {
            EXPECT_TRUE(backups.empty()) << c.name;
        } else {
            ASSERT_EQ(backups.size(), 1u) << c.name;
            const fs::path cfg = backups[0].path;
            EXPECT_EQ(cfg.filename().string().substr(19),
                      "_" + c.onDevice->text(SettingId::Callsign) + "-9.cfg");
            ASSERT_FALSE(lines.empty());
            EXPECT_EQ(lines[0], kept + cfg.string()) << c.name;
            lines[0] = kept;
            // The backup is what the device held: its raw memory, and its settings.
            EXPECT_EQ(readBytes(fs::path(cfg).replace_extension(".bin").string()),
                      std::string(before.begin(), before.end()));
            SettingsModel loaded;
            ASSERT_TRUE(cfgfile::loadConfigFile(cfg.string(), loaded, s.ui));
            SettingsModel held;
            ConfigImage image = before;
            ASSERT_TRUE(DecodeConfiguration(image, held, s.ui));
            EXPECT_EQ(differences(loaded, held), std::vector<std::string>{}) << c.name;
        }
        EXPECT_EQ(lines, c.lines) << c.name;
        EXPECT_EQ(s.device.memory, s.images.writeImage) << c.name;
        EXPECT_EQ(s.ui.logLines().back(), "Eeprom verify success") << c.name;
    }
}

// A backup that cannot be kept stops a write before anything is sent; an
// upload goes on without it.
TEST(SafeWrite, BackupThatCannotBeKeptStopsAWriteButNotAnUpload) {
    for (const bool upload : {false, true}) {
        SafeSession s;
        writeBytes((s.temp.path() / "backups").string(), "a file where the folder should be");
        s.device.memory = encodeOrFail(otherSettings(), 0x2BAD);
        const ConfigImage before = s.device.memory;

        EXPECT_EQ((upload ? s.flows.uploadFirmware() : s.flows.writeConfig()).ok(), upload);

        const std::string line = "Backup not saved: Unable to write to " +
                                 visibleText((s.temp.path() / "backups").string()) +
                                 (upload ? "." : ". Nothing was written.");
        const auto lines = s.ui.logLines();
        EXPECT_EQ(std::count(lines.begin(), lines.end(), line), 1) << upload;
        EXPECT_EQ(s.device.memory, before);
        EXPECT_EQ(s.device.firmware.empty(), !upload);
    }
}

}  // namespace
}  // namespace zeru::test
