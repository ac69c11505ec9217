// SPDX-License-Identifier: GPL-3.0-or-later
#include "trace/recording_transport.h"

#include <algorithm>

namespace zeru::trace {

std::vector<HidDeviceInfo> RecordingTransport::enumerate() {
    Step step{.kind = StepKind::Enumerate, .startMicros = recorder_.now()};
    step.devices = inner_.enumerate();
    step.endMicros = recorder_.now();
    std::vector<HidDeviceInfo> devices = step.devices;
    recorder_.add(std::move(step));
    return devices;
}

Outcome RecordingTransport::open(const std::string& path) {
    Step step{.kind = StepKind::Open, .startMicros = recorder_.now()};
    Outcome opened = inner_.open(path);
    step.endMicros = recorder_.now();
    step.result = opened ? 1 : 0;
    step.path = path;
    if (!opened) step.whyNot = opened.failure().text;
    recorder_.add(std::move(step));
    return opened;
}

// Writes and reads are filled in place: they are nearly every step.
int RecordingTransport::write(const Report& request) {
    const std::int64_t start = recorder_.now();
    const int taken = inner_.write(request);
    Step& step = recorder_.begin(StepKind::Write);  // begun as the call ended
    step.endMicros = step.startMicros;
    step.startMicros = start;
    step.result = taken;
    step.report = request;
    return taken;
}

// A reply is asked for as soon as its request is out: a read that follows a
// write is submitted when the write completed, one clock reading fewer for
// every exchange (they cost as much as the exchange with the simulator).
int RecordingTransport::read(Report& reply, std::chrono::milliseconds limit) {
    const std::vector<Step>& steps = recorder_.trace().steps;
    const std::int64_t start =
        !steps.empty() && steps.back().kind == StepKind::Write ? steps.back().endMicros : recorder_.now();
    const int delivered = inner_.read(reply, limit);
    Step& step = recorder_.begin(StepKind::Read);
    step.endMicros = step.startMicros;
    step.startMicros = start;
    step.result = delivered;
    // Only what was delivered: the rest of the buffer is the caller's.
    if (delivered > 0)
        std::copy_n(reply.begin(), std::min<std::size_t>(delivered, kReportSize), step.report.begin());
    return delivered;
}

void RecordingTransport::close() {
    Step step{.kind = StepKind::Close, .startMicros = recorder_.now()};
    inner_.close();
    step.endMicros = recorder_.now();
    recorder_.add(std::move(step));
}

}  // namespace zeru::trace
