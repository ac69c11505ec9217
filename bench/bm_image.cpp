// SPDX-License-Identifier: GPL-3.0-or-later
// Encoding, checking and decoding of the configuration image over the settings
// model (no widgets).
#include <benchmark/benchmark.h>

#include "image/codec.h"
#include "settings/settings_model.h"
#include "support_null_ui.h"

namespace {

void BM_EncodeConfiguration(benchmark::State& state) {
    const zeru::SettingsModel defaults;
    zeru::bench::NullUi ui;
    zeru::ConfigImage image{};
    for (auto _ : state) {
        bool ok = zeru::EncodeConfiguration(defaults, ui, image, 1234).ok();
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(image.data());
    }
}
BENCHMARK(BM_EncodeConfiguration);

void BM_VerifyImage(benchmark::State& state) {
    const zeru::SettingsModel defaults;
    zeru::bench::NullUi ui;
    zeru::ConfigImage image{};
    if (!zeru::EncodeConfiguration(defaults, ui, image, 1234)) state.SkipWithError("defaults refused");
    for (auto _ : state) {
        benchmark::DoNotOptimize(image.data());
        bool ok = zeru::VerifyImage(image);
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_VerifyImage);

void BM_DecodeConfiguration(benchmark::State& state) {
    const zeru::SettingsModel defaults;
    zeru::bench::NullUi ui;
    zeru::ConfigImage image{};
    if (!zeru::EncodeConfiguration(defaults, ui, image, 1234)) state.SkipWithError("defaults refused");
    zeru::SettingsModel settings;
    for (auto _ : state) {
        bool ok = zeru::DecodeConfiguration(image, settings, ui).ok();
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_DecodeConfiguration);

}  // namespace
