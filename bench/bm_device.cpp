// SPDX-License-Identifier: GPL-3.0-or-later
// The software's own cost of the device link, against the in-process
// simulated device (no USB): on real hardware each exchange takes at least a
// USB frame, and our share must stay a rounding error beside it.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "backup/safety_net.h"
#include "compare/comparison.h"
#include "device/device_link.h"
#include "device/eeprom_transfer.h"
#include "device/firmware_upload.h"
#include "image/codec.h"
#include "settings/records.h"
#include "settings/settings_model.h"
#include "sim/simulator_transport.h"
#include "support_null_ui.h"

namespace {

zeru::ConfigImage patternImage() {
    zeru::ConfigImage image;
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 13 + 1);
    return image;
}

// A full write and read back of the 224 configuration pages.
void BM_WriteReadEeprom(benchmark::State& state) {
    zeru::sim::DeviceState device;
    zeru::sim::SimulatorTransport transport(device);
    zeru::bench::NullUi ui;
    zeru::DeviceLink link(transport, ui);
    if (!link.FindDevice()) state.SkipWithError("simulated device not found");
    const zeru::ConfigImage written = patternImage();
    zeru::ConfigImage read{};
    for (auto _ : state) {
        const bool ok = zeru::WriteEeprom(link, written) && zeru::ReadEeprom(link, read);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(read.data());
    }
    if (read != written) state.SkipWithError("read back differs");
}
BENCHMARK(BM_WriteReadEeprom)->Unit(benchmark::kMillisecond);

// Two configurations that differ in 20 settings: texts, numbers and choices.
void changeTwentySettings(zeru::Settings& s) {
    s.setText(zeru::SettingId::Callsign, "OK1ZRU");
    s.setText(zeru::SettingId::Ssid, "9");
    s.setText(zeru::SettingId::Latitude, "4905.12N");
    s.setText(zeru::SettingId::Longitude, "01412.34E");
    s.setText(zeru::SettingId::Txdelay, "300");
    s.setText(zeru::SettingId::Quiettime, "1200");
    s.setIndex(zeru::SettingId::Ptt, 1);
    s.setIndex(zeru::SettingId::Quiettime_randomize, 1);
    for (int n = 1; n <= 4; ++n) {
        s.setText(zeru::beacon(n, zeru::SettingId::Beacon1_txrate), std::to_string(20 + n));
        s.setText(zeru::beacon(n, zeru::SettingId::Beacon1_message), "Beacon " + std::to_string(n));
    }
    for (int n = 2; n <= 3; ++n) {
        s.setText(zeru::alias(n, zeru::SettingId::Alias1_name), "ALIAS" + std::to_string(n));
        s.setText(zeru::alias(n, zeru::SettingId::Alias1_ssid), std::to_string(n));
    }
}

// An empty image when the settings are refused (and the benchmark then fails).
zeru::ConfigImage imageOf(const zeru::Settings& settings) {
    zeru::bench::NullUi ui;
    zeru::ConfigImage image{};
    if (!zeru::EncodeConfiguration(settings, ui, image, 0x1234)) image.fill(0);
    return image;
}

// Keeps the backup in memory: saving it to a file is what BM_SaveConfigFile
// measures.
struct MemoryBackup final : zeru::backup::BackupStore {
    zeru::Result<std::string> keep(const zeru::ConfigImage& memory, const zeru::Settings*) override {
        kept = memory;
        return "memory";
    }
    zeru::ConfigImage kept{};
};

// "Write config" with its safety net, on a device that holds another
// configuration each time: the backup read, the comparison of the two
// configurations, the write and its read-back.
void BM_SafeWrite(benchmark::State& state) {
    zeru::sim::DeviceState device;
    zeru::sim::SimulatorTransport transport(device);
    zeru::bench::NullUi ui;
    zeru::DeviceLink link(transport, ui);
    if (!link.FindDevice()) state.SkipWithError("simulated device not found");
    zeru::SettingsModel changed;
    changeTwentySettings(changed);
    const zeru::ConfigImage images[2] = {imageOf(zeru::SettingsModel()), imageOf(changed)};
    device.memory = images[1];
    MemoryBackup backup;
    zeru::backup::SafetyNet safety(backup);
    std::size_t next = 0;
    for (auto _ : state) {
        const zeru::ConfigImage& written = images[next];
        const bool ok = safety.beforeWrite(link, written).ok() && zeru::WriteEeprom(link, written).ok() &&
                        zeru::verifyEepromPages(link, written) == zeru::kPageCount;
        if (!ok) {
            state.SkipWithError("safe write failed");
            break;
        }
        next ^= 1;
    }
    if (backup.kept != images[next]) state.SkipWithError("the backup is not what the device held");
}
BENCHMARK(BM_SafeWrite)->Unit(benchmark::kMillisecond);

// The comparison behind "Changes on the device": two configurations that
// differ in 20 settings.
void BM_CompareConfigurations(benchmark::State& state) {
    const zeru::SettingsModel before;
    zeru::SettingsModel after;
    changeTwentySettings(after);
    std::size_t found = 0;
    for (auto _ : state) {
        const auto differences = zeru::compare::compareSettings(before, after);
        found = differences.size();
        benchmark::DoNotOptimize(differences.data());
    }
    if (found != 20) state.SkipWithError("not 20 differences");
}
BENCHMARK(BM_CompareConfigurations)->Unit(benchmark::kMicrosecond);

// The upload of the shipped firmware image: 1408 pages.
void BM_UploadFirmware(benchmark::State& state) {
    zeru::sim::DeviceState device;
    zeru::sim::SimulatorTransport transport(device);
    zeru::bench::NullUi ui;
    zeru::DeviceLink link(transport, ui);
    if (!link.FindDevice()) state.SkipWithError("simulated device not found");
    auto buffer = std::make_unique<std::array<std::uint8_t, zeru::kFirmwareBufferSize>>();
    const zeru::FirmwareSource source = zeru::findFirmwareResource;
    for (auto _ : state) {
        const bool ok = zeru::UploadFirmware(link, source, *buffer).ok();
        benchmark::DoNotOptimize(ok);
    }
    if (device.firmware.size() != 1408 * zeru::kPageSize) state.SkipWithError("upload incomplete");
}
BENCHMARK(BM_UploadFirmware)->Unit(benchmark::kMillisecond);

}  // namespace
