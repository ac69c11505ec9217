// SPDX-License-Identifier: GPL-3.0-or-later
// Encoding and decoding timed by a plain loop, so that the same program runs
// natively and as WebAssembly under node (Google Benchmark is not built for
// WebAssembly): prints the median time of one encoding and one decoding.
//
//   zeru-codec-timing [ROUNDS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "image/codec.h"
#include "interaction/silent_ui.h"
#include "settings/settings_model.h"

namespace {

constexpr int kIterations = 2000;  // per round: long enough for the clock, short enough for node

template <typename Work>
double medianMicroseconds(int rounds, Work&& work) {
    std::vector<double> times;
    for (int r = 0; r < rounds; ++r) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kIterations; ++i) work();
        const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
        times.push_back(spent.count() / kIterations);
    }
    std::nth_element(times.begin(), times.begin() + rounds / 2, times.end());
    return times[static_cast<std::size_t>(rounds / 2)];
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const zeru::SettingsModel defaults;
    zeru::SilentUi ui;
    zeru::ConfigImage image{};
    unsigned sink = 0;  // what the loops made, printed so that no loop is optimised away

    const double encode = medianMicroseconds(
        rounds, [&] { sink += zeru::EncodeConfiguration(defaults, ui, image, 1234) ? image[100] : 1; });
    zeru::SettingsModel decoded;
    const double decode =
        medianMicroseconds(rounds, [&] { sink += zeru::DecodeConfiguration(image, decoded, ui) ? 1 : 2; });
    std::printf("EncodeConfiguration %.2f us\nDecodeConfiguration %.2f us\n(%u)\n", encode, decode, sink);
    return 0;
}
