// SPDX-License-Identifier: GPL-3.0-or-later
// The software's own cost of the device link, against the in-process
// simulated device (no USB): on real hardware each exchange takes at least a
// USB frame, and our share must stay a rounding error beside it.
#include <benchmark/benchmark.h>

#include <memory>

#include "device/device_link.h"
#include "device/eeprom_transfer.h"
#include "device/firmware_upload.h"
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
        const bool ok = zeru::UploadFirmware(link, source, *buffer);
        benchmark::DoNotOptimize(ok);
    }
    if (device.firmware.size() != 1408 * zeru::kPageSize) state.SkipWithError("upload incomplete");
}
BENCHMARK(BM_UploadFirmware)->Unit(benchmark::kMillisecond);

}  // namespace
