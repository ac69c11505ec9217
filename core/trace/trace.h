// SPDX-License-Identifier: GPL-3.0-or-later
// A device conversation as the program saw it: every call it made on the
// report transport (the enumeration, opening and closing the device, each
// request written and each reply read) with what the call returned and when.
// Recorded by RecordingTransport, saved as pcapng or text, replayed by
// ReplayTransport.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "device/report.h"
#include "device/report_transport.h"

namespace zeru::trace {

enum class StepKind { Enumerate, Open, Close, Write, Read };

struct Step {
    StepKind kind = StepKind::Write;
    std::int64_t startMicros = 0;  // since the trace began
    std::int64_t endMicros = 0;
    // Write: the bytes taken or -1; Read: the bytes delivered (65 for a whole
    // reply, fewer for a short one), 0 when the time limit expired, -1 on
    // failure; Open: 1 when the device opened, 0 when not.
    int result = 0;
    // Write: the request; Read: the reply (bytes 1..result-1 delivered).
    Report report{};
    std::vector<HidDeviceInfo> devices = {};  // Enumerate
    std::string path = {};                    // Open
    std::string whyNot = {};                  // Open that failed
};

struct Trace {
    std::int64_t startEpochMicros = 0;  // wall-clock time the trace began
    std::string application;            // "zeru-cli 1.02", "zeru-sim 1.02"
    std::vector<std::string> commandLine;
    std::vector<std::string> logLines;  // what the command showed its user
    std::vector<Step> steps;
};

// Whether a step is a report exchange (write or read) rather than a note about
// the device (enumerate, open, close).
inline bool isExchange(const Step& step) {
    return step.kind == StepKind::Write || step.kind == StepKind::Read;
}

}  // namespace zeru::trace
