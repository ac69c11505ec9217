// SPDX-License-Identifier: GPL-3.0-or-later
// The device a zeru-cli command talks to: the USB device through hidapi, or the
// in-process simulator whose configuration memory lives in a state file.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "cli/global_options.h"
#include "device/report_transport.h"
#include "sim/device_simulator.h"

namespace zeru::cli {

class DeviceSession {
public:
    // Throws std::runtime_error when the state file exists but cannot be read.
    explicit DeviceSession(const GlobalOptions& options);
    ~DeviceSession();

    ReportTransport& transport() { return *transport_; }
    // Saves the simulator's memory back to its state file; false (with
    // `error`) when that fails. Does nothing for a real device.
    bool saveState(std::string& error) const;

private:
    std::optional<std::string> statePath_;
    std::unique_ptr<sim::DeviceState> simulated_;
    std::unique_ptr<ReportTransport> transport_;
};

}  // namespace zeru::cli
