// SPDX-License-Identifier: GPL-3.0-or-later
// A ReportTransport that passes every call on to another one and records it,
// with what it returned, in a TraceRecorder.
#pragma once

#include "device/report_transport.h"
#include "trace/trace_recorder.h"

namespace zeru::trace {

class RecordingTransport final : public ReportTransport {
public:
    RecordingTransport(ReportTransport& inner, TraceRecorder& recorder)
        : inner_(inner), recorder_(recorder) {}

    std::vector<HidDeviceInfo> enumerate() override;
    Outcome open(const std::string& path) override;
    int write(const Report& request) override;
    int read(Report& reply, std::chrono::milliseconds limit) override;
    void close() override;

private:
    ReportTransport& inner_;
    TraceRecorder& recorder_;
};

}  // namespace zeru::trace
