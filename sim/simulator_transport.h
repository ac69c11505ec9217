// SPDX-License-Identifier: GPL-3.0-or-later
// A ReportTransport that hands every request to an in-process simulated
// device. The simulated device never makes anyone wait: a missing reply is
// reported at once as an expired time limit.
#pragma once

#include <optional>
#include <string>

#include "device/report_transport.h"
#include "sim/device_simulator.h"

namespace zeru::sim {

class SimulatorTransport final : public ReportTransport {
public:
    // The path under which the simulated device enumerates.
    static constexpr std::string_view kPath = "sim:kestrovane-zeru";

    explicit SimulatorTransport(DeviceState& device) : device_(device) {}

    // Makes every open fail with `reason` (as a real device without access
    // rights would); an empty reason lets opens succeed again.
    void failOpen(std::string reason) { openFailure_ = std::move(reason); }

    bool isOpen() const { return open_; }
    int opens() const { return opens_; }  // successful opens so far

    std::vector<HidDeviceInfo> enumerate() override;
    bool open(const std::string& path, std::string& whyNot) override;
    int write(const Report& request) override;
    int read(Report& reply, std::chrono::milliseconds limit) override;
    void close() override;

private:
    DeviceState& device_;
    std::string openFailure_;
    bool open_ = false;
    int opens_ = 0;
    std::optional<SimReply> pending_;
};

}  // namespace zeru::sim
