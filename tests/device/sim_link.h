// SPDX-License-Identifier: GPL-3.0-or-later
// A simulated device on the in-process transport, a recording user interface
// and a link between them: the common ground of the device tests.
#pragma once

#include <string>
#include <vector>

#include "device/device_link.h"
#include "sim/device_simulator.h"
#include "sim/simulator_transport.h"
#include "support/recording_ui.h"

namespace zeru::test {

struct SimLink {
    sim::DeviceState device;
    sim::SimulatorTransport transport{device};
    RecordingUi ui;
    DeviceLink link{transport, ui};
};

// "Page written: 1/224" ... "Page written: last/224" and the like.
inline std::vector<std::string> pageLines(const std::string& prefix, int first, int last, int count) {
    std::vector<std::string> lines;
    for (int n = first; n <= last; ++n)
        lines.push_back(prefix + std::to_string(n) + "/" + std::to_string(count));
    return lines;
}

inline std::vector<std::string> concat(std::vector<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

}  // namespace zeru::test
