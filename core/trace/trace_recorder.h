// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps a Trace as it happens, with the time of every step. A front end keeps
// one per command: restart() forgets the last command's steps.
#pragma once

#include <chrono>
#include <cstdint>

#include "trace/trace.h"

namespace zeru::trace {

// Microseconds on a clock that never goes back (a plain function: it is read
// twice for every report).
using MonotonicClock = std::int64_t (*)();
std::int64_t steadyMicros();
std::int64_t wallClockMicros();

class TraceRecorder {
public:
    explicit TraceRecorder(MonotonicClock clock = steadyMicros,
                           std::int64_t startEpochMicros = wallClockMicros());

    // Forgets every step and log line; the times count from now.
    void restart(std::int64_t startEpochMicros = wallClockMicros());

    // Microseconds since the trace began.
    std::int64_t now() const { return clock_() - start_; }
    void add(Step step) { trace_.steps.push_back(std::move(step)); }
    // A new step of `kind` at the end of the trace, begun now.
    Step& begin(StepKind kind) {
        Step& step = trace_.steps.emplace_back();
        step.kind = kind;
        step.startMicros = now();
        return step;
    }

    Trace& trace() { return trace_; }
    const Trace& trace() const { return trace_; }

private:
    MonotonicClock clock_;
    std::int64_t start_ = 0;
    Trace trace_;
};

}  // namespace zeru::trace
