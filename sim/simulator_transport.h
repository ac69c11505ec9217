// SPDX-License-Identifier: GPL-3.0-or-later
// A ReportTransport that hands every request to in-process simulated devices,
// one or several. A simulated device never makes anyone wait: a missing
// reply is reported at once as an expired time limit.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "device/report_transport.h"
#include "sim/device_simulator.h"

namespace zeru::sim {

// One simulated device and the path under which it enumerates.
struct SimulatedDevice {
    std::string path;
    DeviceState* state;
};

class SimulatorTransport final : public ReportTransport {
public:
    // The path under which the one simulated device enumerates.
    static constexpr std::string_view kPath = "sim:kestrovane-zeru";

    explicit SimulatorTransport(DeviceState& device) : devices_{{std::string(kPath), &device}} {}
    // Several devices, enumerated in this order.
    explicit SimulatorTransport(std::vector<SimulatedDevice> devices) : devices_(std::move(devices)) {}

    // Makes every open fail with `reason` (as a real device without access
    // rights would); an empty reason lets opens succeed again.
    void failOpen(std::string reason) { openFailure_ = std::move(reason); }

    bool isOpen() const { return open_ != nullptr; }
    int opens() const { return opens_; }  // successful opens so far

    std::vector<HidDeviceInfo> enumerate() override;
    Outcome open(const std::string& path) override;
    int write(const Report& request) override;
    int read(Report& reply, std::chrono::milliseconds limit) override;
    void close() override;

private:
    std::vector<SimulatedDevice> devices_;
    std::string openFailure_;
    DeviceState* open_ = nullptr;
    int opens_ = 0;
    std::optional<SimReply> pending_;
};

}  // namespace zeru::sim
