// SPDX-License-Identifier: GPL-3.0-or-later
// trace: a recorded device conversation as text, one line per report.
#include <cstdio>
#include <memory>

#include "cli/command_options.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "trace/text_form.h"
#include "trace/trace_file.h"

namespace zeru::cli {
namespace {

int runTrace(const std::string& path, CommandContext& c) {
    const Result<trace::Trace> trace = trace::loadTrace(path);
    if (!trace) return showFailure(trace.failure(), c.ui);
    const std::string text = trace::formatTraceText(*trace);
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
    return kSuccess;
}

}  // namespace

void addTraceCommand(CommandSet& commands) {
    auto path = std::make_shared<std::string>();
    CLI::App& command = commands.add("trace",
                                     "Prints a trace recorded with --trace (or a usbmon capture of the "
                                     "device) as text, one line per report.",
                                     [path](CommandContext& c) { return runTrace(*path, c); });
    addInputArgument(command, "TRACE.pcapng", *path);
}

}  // namespace zeru::cli
