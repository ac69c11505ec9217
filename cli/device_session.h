// SPDX-License-Identifier: GPL-3.0-or-later
// The device a zeru-cli command talks to: the USB device through hidapi, the
// in-process simulator whose configuration memory lives in a state file, or
// a recorded trace played back; recorded itself with --trace.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "backup/backup_folder.h"
#include "cli/global_options.h"
#include "device/device_selector.h"
#include "device/report_transport.h"
#include "settings/result.h"
#include "sim/device_simulator.h"
#include "sim/state_lock.h"

namespace zeru::cli {

class DeviceSession {
public:
    // `deviceChoice` is the device's path or serial number (--device), ""
    // for the first one found. With --simulate the state file is locked for
    // the session (another process's command on it is waited for). A failure
    // (ImageRefused, its text the line to show) when the state file cannot be
    // saved back afterwards, locked or read.
    static Result<DeviceSession> open(const GlobalOptions& options, std::string deviceChoice = {});
    DeviceSession(DeviceSession&&) noexcept;
    DeviceSession& operator=(DeviceSession&&) noexcept;
    ~DeviceSession();

    // The device, through the recorder when the conversation is traced.
    ReportTransport& transport() { return recording_ ? *recording_ : *device_; }
    // Whether the simulator or a recorded trace stands in for the device:
    // its backups are kept apart from a real device's.
    backup::DeviceOrigin origin() const {
        const bool real = transport_ && !simulated_;  // not the replay's, not the simulator's
        return real ? backup::DeviceOrigin::Real : backup::DeviceOrigin::Simulated;
    }
    // Which device the flows and links of this session use.
    const DeviceSelector& selector() const { return selector_; }
    // Saves the simulator's memory back to its state file; the failure of
    // sim::writeMemoryFile. Does nothing for a real device.
    Outcome saveState() const;

private:
    explicit DeviceSession(std::string deviceChoice) : selector_(std::move(deviceChoice)) {}
    Outcome openDevice(const GlobalOptions& options);

    std::optional<std::string> statePath_;
    std::optional<sim::StateLock> stateLock_;
    std::unique_ptr<sim::DeviceState> simulated_;
    std::unique_ptr<ReportTransport> transport_;  // owned, when not the replay's
    ReportTransport* device_ = nullptr;
    std::unique_ptr<ReportTransport> recording_;
    DeviceSelector selector_;
};

}  // namespace zeru::cli
