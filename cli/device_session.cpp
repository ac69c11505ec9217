// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/device_session.h"

#include <chrono>

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

Result<DeviceSession> DeviceSession::open(const GlobalOptions& options, std::string deviceChoice) {
    DeviceSession session(std::move(deviceChoice));
    if (const Outcome opened = session.openDevice(options); !opened) return opened.failure();
    // The transports live on the heap: the recorder's hold stays good as the session moves.
    if (options.recorder)
        session.recording_ = std::make_unique<trace::RecordingTransport>(*session.device_, *options.recorder);
    return session;
}

Outcome DeviceSession::openDevice(const GlobalOptions& options) {
    if (options.replayTransport) {
        device_ = options.replayTransport;
        return {};
    }
    if (!options.simulate) {
        transport_ = makeSystemTransport();
        device_ = transport_.get();
        return {};
    }
    statePath_ = *options.simulate;
    simulated_ = std::make_unique<sim::DeviceState>();
    // Refused before the device is used: a state that could not be saved would be lost.
    if (!cfgfile::mayReplaceFileContent(*statePath_))
        return Failure::of(FailureKind::ImageRefused, cfgfile::unableToWriteText(*statePath_) + ".");
    // Held until the session ends, after the state is saved: one process per
    // simulated device. Another command on it is waited for.
    Result<sim::StateLock> locked = sim::StateLock::acquire(*statePath_, kStatePatience);
    if (!locked) return locked.failure();
    stateLock_.emplace(std::move(locked).value());
    if (!sim::isBlankState(*statePath_)) {
        const Result<ConfigImage> memory = sim::readMemoryFile(*statePath_);
        if (!memory) return memory.failure();
        simulated_->memory = *memory;
    }
    if (options.simVersion) simulated_->firmwareVersion = *options.simVersion;
    if (options.simFault) simulated_->fault = *options.simFault;
    transport_ = std::make_unique<sim::SimulatorTransport>(*simulated_);
    device_ = transport_.get();
    return {};
}

DeviceSession::DeviceSession(DeviceSession&&) noexcept = default;
DeviceSession& DeviceSession::operator=(DeviceSession&&) noexcept = default;
DeviceSession::~DeviceSession() = default;

Outcome DeviceSession::saveState() const {
    if (!statePath_) return {};
    return sim::writeMemoryFile(*statePath_, simulated_->memory);
}

}  // namespace zeru::cli
