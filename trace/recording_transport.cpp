// SPDX-License-Identifier: GPL-3.0-or-later
#include "trace/recording_transport.h"

namespace zeru::trace {

std::vector<HidDeviceInfo> RecordingTransport::enumerate() {
    Step step{.kind = StepKind::Enumerate, .startMicros = recorder_.now()};
    step.devices = inner_.enumerate();
    step.endMicros = recorder_.now();
    std::vector<HidDeviceInfo> devices = step.devices;
    recorder_.add(std::move(step));
    return devices;
}

bool RecordingTransport::open(const std::string& path, std::string& whyNot) {
    Step step{.kind = StepKind::Open, .startMicros = recorder_.now()};
    const bool opened = inner_.open(path, whyNot);
    step.endMicros = recorder_.now();
    step.result = opened ? 1 : 0;
    step.path = path;
    if (!opened) step.whyNot = whyNot;
    recorder_.add(std::move(step));
    return opened;
}

int RecordingTransport::write(const Report& request) {
    Step step{.kind = StepKind::Write, .startMicros = recorder_.now()};
    step.result = inner_.write(request);
    step.endMicros = recorder_.now();
    step.report = request;
    const int taken = step.result;
    recorder_.add(std::move(step));
    return taken;
}

int RecordingTransport::read(Report& reply, std::chrono::milliseconds limit) {
    Step step{.kind = StepKind::Read, .startMicros = recorder_.now()};
    step.result = inner_.read(reply, limit);
    step.endMicros = recorder_.now();
    // Only what was delivered: the rest of the buffer is the caller's.
    if (step.result > 0)
        std::copy_n(reply.begin(), std::min<std::size_t>(step.result, kReportSize), step.report.begin());
    const int delivered = step.result;
    recorder_.add(std::move(step));
    return delivered;
}

void RecordingTransport::close() {
    Step step{.kind = StepKind::Close, .startMicros = recorder_.now()};
    inner_.close();
    step.endMicros = recorder_.now();
    recorder_.add(std::move(step));
}

}  // namespace zeru::trace
