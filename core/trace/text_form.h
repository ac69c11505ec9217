// SPDX-License-Identifier: GPL-3.0-or-later
// A trace as text, one line per report: the time since the trace began in
// milliseconds, the direction, what the request means and the 64 report
// bytes in hex; the notes about the device (found, opened, closed) stand
// between them, and the command's log lines follow as comments.
#pragma once

#include <string>

#include "trace/trace.h"

namespace zeru::trace {

std::string formatTraceText(const Trace& trace);

}  // namespace zeru::trace
