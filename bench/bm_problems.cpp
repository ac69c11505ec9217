// SPDX-License-Identifier: GPL-3.0-or-later
// The problems check, which the window runs as the user types.
#include <benchmark/benchmark.h>

#include "problems/problems.h"
#include "settings/settings_model.h"

namespace {

void BM_FindProblems(benchmark::State& state) {
    zeru::SettingsModel settings;
    if (state.range(0) == 1) {  // a refusal and a warning on most pages
        settings.setText(SettingId::Txdelay, "5a");
        settings.setText(SettingId::Position_ssid2, "3");
        settings.setText(SettingId::Beacon1_dest_string, "");
        settings.setText(SettingId::Weather_txrate, "0");
        settings.setText(SettingId::Bluetooth_password, "12");
    }
    for (auto _ : state) {
        auto problems = zeru::problems::findProblems(settings);
        benchmark::DoNotOptimize(problems.data());
    }
}
BENCHMARK(BM_FindProblems)->Arg(0)->Arg(1);

}  // namespace
