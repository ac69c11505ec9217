// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/device_session.h"

#include <chrono>
#include <stdexcept>

#include "cfgfile/file_replace.h"
#include "device/system_transport.h"
#include "interaction/utf8_path.h"
#include "sim/memory_file.h"
#include "sim/simulator_transport.h"
#include "trace/recording_transport.h"

namespace zeru::cli {
namespace {

// Long enough for any command of another process on the same state file.
constexpr std::chrono::seconds kStatePatience(60);

}  // namespace

DeviceSession::DeviceSession(const GlobalOptions& options, std::string deviceChoice)
    : selector_(std::move(deviceChoice)) {
    openDevice(options);
    if (options.recorder)
        recording_ = std::make_unique<trace::RecordingTransport>(*device_, *options.recorder);
}

void DeviceSession::openDevice(const GlobalOptions& options) {
    if (options.replayTransport) {
        device_ = options.replayTransport;
        return;
    }
    if (!options.simulate) {
        transport_ = makeSystemTransport();
        device_ = transport_.get();
        return;
    }
    statePath_ = *options.simulate;
    simulated_ = std::make_unique<sim::DeviceState>();
    // Refused before the device is used: a state that could not be saved would be lost.
    if (!cfgfile::mayReplace(*statePath_))
        throw std::runtime_error(cfgfile::unableToWriteText(*statePath_) + ".");
    std::string error;
    // Held until the session ends, after the state is saved: one process per
    // simulated device. Another command on it is waited for.
    stateLock_ = sim::StateLock::acquire(*statePath_, kStatePatience, error);
    if (!stateLock_) throw std::runtime_error(error);
    if (!sim::isBlankState(*statePath_)) {
        auto memory = sim::readMemoryFile(*statePath_, error);
        if (!memory) throw std::runtime_error(error);
        simulated_->memory = *memory;
    }
    if (options.simVersion) simulated_->firmwareVersion = *options.simVersion;
    if (options.simFault) simulated_->fault = *options.simFault;
    transport_ = std::make_unique<sim::SimulatorTransport>(*simulated_);
    device_ = transport_.get();
}

DeviceSession::~DeviceSession() = default;

bool DeviceSession::saveState(std::string& error) const {
    if (!statePath_) return true;
    return sim::writeMemoryFile(*statePath_, simulated_->memory, error);
}

}  // namespace zeru::cli
