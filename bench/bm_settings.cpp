// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "rules/rules.h"
#include "settings/settings_model.h"
#include "support_null_ui.h"

namespace {

void BM_ApplyStartupSequence(benchmark::State& state) {
    zeru::SettingsModel model;
    zeru::bench::NullUi ui;
    for (auto _ : state) {
        zeru::rules::applyStartupSequence(model, ui);
        benchmark::DoNotOptimize(model);
    }
}
BENCHMARK(BM_ApplyStartupSequence);

}  // namespace
