// SPDX-License-Identifier: GPL-3.0-or-later
// Trace files: saved as text when the name ends in .txt, else as pcapng, and
// replaced as safely as every other file the program writes; read back from
// pcapng.
#pragma once

#include <string>

#include "settings/result.h"
#include "trace/trace.h"

namespace zeru::trace {

// Whether `path` names a text trace (".txt", in any letter case).
bool isTextTracePath(const std::string& path);

// The trace in the form its name asks; cfgfile::unableToWrite when it cannot be.
Outcome saveTrace(const Trace& trace, const std::string& path);

// Whether saveTrace could write `path` now: a file that may be replaced, in a
// folder that exists; else the failure saveTrace would meet
// (cfgfile::checkReplace). Asked before the device is used, so that a
// conversation is never recorded only to be lost.
Outcome maySaveTrace(const std::string& path);

// The largest trace file read: a firmware upload's trace is under 1 MiB, a
// capture of a busy bus may be far larger.
inline constexpr std::uint64_t kMaxTraceFileSize = std::uint64_t{256} * 1024 * 1024;

// The trace of a pcapng file; else a failure (ImageRefused) whose text is the
// line for the user.
Result<Trace> loadTrace(const std::string& path);

}  // namespace zeru::trace
