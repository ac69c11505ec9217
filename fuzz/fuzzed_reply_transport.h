// SPDX-License-Identifier: GPL-3.0-or-later
// A transport in front of the simulated device whose replies the fuzzer
// spoils: each reply is, by one byte of the input, the device's honest reply,
// that reply with input bytes mixed in, input bytes alone, or any of these
// with a delivered count of the input's choosing (-1 failure, 0 time limit
// expired, 1..65). An input that is used up leaves the honest replies.
#pragma once

#include "byte_stream.h"
#include "device/report_transport.h"
#include "sim/simulator_transport.h"

namespace zeru::fuzz {

class FuzzedReplyTransport final : public ReportTransport {
public:
    FuzzedReplyTransport(sim::DeviceState& device, ByteStream& input) : inner_(device), input_(input) {}

    bool isOpen() const { return inner_.isOpen(); }
    // The last reply handed to the configurator, as it was handed over.
    const Report& lastReply() const { return lastReply_; }

    std::vector<HidDeviceInfo> enumerate() override { return inner_.enumerate(); }
    Outcome open(const std::string& path) override { return inner_.open(path); }
    int write(const Report& request) override;
    int read(Report& reply, std::chrono::milliseconds limit) override;
    void close() override { inner_.close(); }

private:
    sim::SimulatorTransport inner_;
    ByteStream& input_;
    Report lastReply_{};
    std::uint8_t lastCommand_ = 0;  // of the request the next reply answers
};

}  // namespace zeru::fuzz
