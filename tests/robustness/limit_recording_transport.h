// SPDX-License-Identifier: GPL-3.0-or-later
// A transport in front of another that records the time limit of every read
// (with the command it answers)
// and how many reads ended with the limit expired, so that tests can tell how
// long a flow could have waited on a real device.
#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

#include "device/report_transport.h"

namespace zeru::test {

class LimitRecordingTransport final : public ReportTransport {
public:
    explicit LimitRecordingTransport(ReportTransport& inner) : inner_(inner) {}

    std::vector<HidDeviceInfo> enumerate() override { return inner_.enumerate(); }
    Outcome open(const std::string& path) override { return inner_.open(path); }
    int write(const Report& request) override {
        lastCommand_ = request[kCommandOffset];
        return inner_.write(request);
    }
    int read(Report& reply, std::chrono::milliseconds limit) override {
        limits.push_back(limit);
        commands.push_back(lastCommand_);
        const int delivered = inner_.read(reply, limit);
        if (delivered == 0) ++expired;
        return delivered;
    }
    void close() override { inner_.close(); }

    std::vector<std::chrono::milliseconds> limits;  // of every read, in order
    std::vector<std::uint8_t> commands;             // the command of the request each read answers
    int expired = 0;                                // reads that got no reply in time

private:
    ReportTransport& inner_;
    std::uint8_t lastCommand_ = 0;
};

}  // namespace zeru::test
