// SPDX-License-Identifier: GPL-3.0-or-later
// The search box's goal: the hits of each keystroke over the whole catalogue
// in well under 2 ms.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "search/setting_search.h"
#include "settings/settings_model.h"

namespace {

// One keystroke each iteration: the words as they grow, letter by letter,
// from one letter (the most hits) to the whole.
void BM_SearchKeystroke(benchmark::State& state, std::string words) {
    const zeru::search::SettingSearch search;
    const zeru::SettingsModel values;
    std::vector<std::string> typed;
    for (std::size_t n = 1; n <= words.size(); ++n) typed.push_back(words.substr(0, n));
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(search.find(typed[next], values));
        next = (next + 1) % typed.size();
    }
}
BENCHMARK_CAPTURE(BM_SearchKeystroke, beacon_2_path, std::string("beacon 2 path"));
BENCHMARK_CAPTURE(BM_SearchKeystroke, smartbeaconing_slow, std::string("smartbeaconing slow"));
BENCHMARK_CAPTURE(BM_SearchKeystroke, accented_value, std::string("Krak\xC3\xB3w"));

// Once per window or page: the catalogue's texts folded.
void BM_SearchIndex(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(zeru::search::SettingSearch());
}
BENCHMARK(BM_SearchIndex);

}  // namespace
