// SPDX-License-Identifier: GPL-3.0-or-later
// The options of zeru-cli that stand before any command: the simulator or a
// recorded trace instead of USB, a trace of the conversation, and how much to
// show.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "device/report_transport.h"
#include "sim/fault.h"
#include "trace/trace_recorder.h"

namespace zeru::cli {

struct GlobalOptions {
    std::optional<std::string> simulate;  // state file of the in-process simulator
    std::optional<std::uint32_t> simVersion;
    std::optional<sim::Fault> simFault;
    bool verbose = false;
    std::optional<std::string> trace;   // where the device conversation is saved
    std::optional<std::string> replay;  // the trace that stands in for the device
    // Set while a command runs: what records the conversation (with --trace)
    // and what plays a trace back (with --replay); nullptr otherwise.
    trace::TraceRecorder* recorder = nullptr;
    ReportTransport* replayTransport = nullptr;
};

}  // namespace zeru::cli
