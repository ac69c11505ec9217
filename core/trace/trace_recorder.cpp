// SPDX-License-Identifier: GPL-3.0-or-later
#include "trace/trace_recorder.h"

namespace zeru::trace {

std::int64_t steadyMicros() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

std::int64_t wallClockMicros() {
    using namespace std::chrono;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

TraceRecorder::TraceRecorder(MonotonicClock clock, std::int64_t startEpochMicros) : clock_(clock) {
    restart(startEpochMicros);
}

void TraceRecorder::restart(std::int64_t startEpochMicros) {
    start_ = clock_();
    trace_.startEpochMicros = startEpochMicros;
    trace_.commandLine.clear();
    trace_.logLines.clear();
    // The steps' room is kept for the next command: a write and its read-back
    // make some nine hundred steps, and none is allocated on the way.
    trace_.steps.clear();
    trace_.steps.reserve(1024);
}

}  // namespace zeru::trace
