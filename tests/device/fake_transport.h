// SPDX-License-Identifier: GPL-3.0-or-later
// A ReportTransport whose every answer the test sets: a list of devices, an
// open outcome, write and read results. It records what it was asked.
#pragma once

#include <chrono>
#include <deque>
#include <string>
#include <vector>

#include "device/report_transport.h"

namespace zeru::test {

class FakeTransport final : public ReportTransport {
public:
    struct ReadResult {
        int delivered = 65;
        Report reply{};
    };

    std::vector<HidDeviceInfo> devices;
    std::string openFailure;       // non-empty: open fails with this reason
    int writeResult = 65;          // what write() returns
    std::deque<ReadResult> reads;  // what read() returns, in order; empty: time limit expired

    std::vector<std::string> opened;  // paths opened, in order
    std::vector<Report> written;
    std::vector<std::chrono::milliseconds> readLimits;
    int closes = 0;

    std::vector<HidDeviceInfo> enumerate() override { return devices; }
    Outcome open(const std::string& path) override {
        opened.push_back(path);
        if (!openFailure.empty()) return cannotOpen(openFailure);
        return {};
    }
    int write(const Report& request) override {
        written.push_back(request);
        return writeResult;
    }
    int read(Report& reply, std::chrono::milliseconds limit) override {
        readLimits.push_back(limit);
        if (reads.empty()) return 0;
        const ReadResult r = reads.front();
        reads.pop_front();
        reply = r.reply;
        return r.delivered;
    }
    void close() override { ++closes; }
};

}  // namespace zeru::test
