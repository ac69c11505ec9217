// SPDX-License-Identifier: GPL-3.0-or-later
// What a trace costs: "Write config" with its read-back, recorded and turned
// into pcapng, against the same write unrecorded (goal: at most 1.5 times),
// and the size of a whole firmware upload's trace (goal: under 1 MiB).
#include <benchmark/benchmark.h>

#include "device/device_flows.h"
#include "settings/settings_model.h"
#include "sim/simulator_transport.h"
#include "support_null_ui.h"
#include "trace/pcapng_writer.h"
#include "trace/recording_transport.h"

namespace {

enum class Tracing { Off, Recorded, Encoded };

// "Write config" as the window runs it (the version check, 224 pages written
// and read back), without the backup: its file is another benchmark's.
// Recorded keeps the conversation; Encoded also makes it into pcapng.
void writeConfig(benchmark::State& state, Tracing tracing) {
    const bool traced = tracing != Tracing::Off;
    zeru::sim::DeviceState device;
    zeru::sim::SimulatorTransport simulator(device);
    zeru::trace::TraceRecorder recorder;
    zeru::trace::RecordingTransport recording(simulator, recorder);
    zeru::bench::NullUi ui;
    zeru::SettingsModel settings;
    zeru::ConfigImages images;
    zeru::DeviceFlows flows(settings, ui, images,
                            traced ? static_cast<zeru::ReportTransport&>(recording) : simulator);
    std::size_t traceBytes = 0;
    for (auto _ : state) {
        recorder.restart();
        if (!flows.writeConfig()) {
            state.SkipWithError("write failed");
            break;
        }
        if (tracing == Tracing::Encoded) traceBytes = zeru::trace::encodePcapng(recorder.trace()).size();
        benchmark::DoNotOptimize(traceBytes);
    }
    if (tracing == Tracing::Encoded) state.counters["trace_bytes"] = static_cast<double>(traceBytes);
}

void BM_WriteConfig(benchmark::State& state) { writeConfig(state, Tracing::Off); }
BENCHMARK(BM_WriteConfig)->Unit(benchmark::kMillisecond);

void BM_WriteConfigRecorded(benchmark::State& state) { writeConfig(state, Tracing::Recorded); }
BENCHMARK(BM_WriteConfigRecorded)->Unit(benchmark::kMillisecond);

void BM_WriteConfigTraced(benchmark::State& state) { writeConfig(state, Tracing::Encoded); }
BENCHMARK(BM_WriteConfigTraced)->Unit(benchmark::kMillisecond);

// The trace of "Upload firmware" with the shipped image, 1408 pages.
void BM_UploadFirmwareTrace(benchmark::State& state) {
    zeru::sim::DeviceState device;
    zeru::sim::SimulatorTransport simulator(device);
    zeru::trace::TraceRecorder recorder;
    zeru::trace::RecordingTransport recording(simulator, recorder);
    zeru::bench::NullUi ui;
    zeru::SettingsModel settings;
    zeru::ConfigImages images;
    zeru::DeviceFlows flows(settings, ui, images, recording);
    std::size_t traceBytes = 0;
    for (auto _ : state) {
        recorder.restart();
        if (!flows.uploadFirmware()) {
            state.SkipWithError("upload failed");
            break;
        }
        traceBytes = zeru::trace::encodePcapng(recorder.trace()).size();
    }
    state.counters["trace_bytes"] = static_cast<double>(traceBytes);
    if (traceBytes >= 1024 * 1024) state.SkipWithError("the trace of an upload is 1 MiB or more");
}
BENCHMARK(BM_UploadFirmwareTrace)->Unit(benchmark::kMillisecond);

}  // namespace
