// SPDX-License-Identifier: GPL-3.0-or-later
// The device a zeru-cli command talks to: the USB device through hidapi, the
// in-process simulator whose configuration memory lives in a state file, or
// a recorded trace played back; recorded itself with --trace.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "cli/global_options.h"
#include "device/device_selector.h"
#include "device/report_transport.h"
#include "sim/device_simulator.h"

namespace zeru::cli {

class DeviceSession {
public:
    // `deviceChoice` is the device's path or serial number (--device), ""
    // for the first one found. Throws std::runtime_error when the state file
    // exists but cannot be read.
    explicit DeviceSession(const GlobalOptions& options, std::string deviceChoice = {});
    ~DeviceSession();

    // The device, through the recorder when the conversation is traced.
    ReportTransport& transport() { return recording_ ? *recording_ : *device_; }
    // Which device the flows and links of this session use.
    const DeviceSelector& selector() const { return selector_; }
    // Saves the simulator's memory back to its state file; false (with
    // `error`) when that fails. Does nothing for a real device.
    bool saveState(std::string& error) const;

private:
    void openDevice(const GlobalOptions& options);

    std::optional<std::string> statePath_;
    std::unique_ptr<sim::DeviceState> simulated_;
    std::unique_ptr<ReportTransport> transport_;  // owned, when not the replay's
    ReportTransport* device_ = nullptr;
    std::unique_ptr<ReportTransport> recording_;
    DeviceSelector selector_;
};

}  // namespace zeru::cli
