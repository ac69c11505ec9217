// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a trace back from pcapng: the files this program writes, and usbmon
// captures of the device made with a protocol analyser (of either byte
// order). Nothing in the file is trusted: every length is checked.
#pragma once

#include <cstddef>
#include <string_view>

#include "settings/result.h"
#include "trace/trace.h"

namespace zeru::trace {

// The most reports (with the notes, command-line words and log lines) a trace
// may hold, and the reason a file with more is refused: a hostile file must
// not make its reader hold many times its size.
inline constexpr std::size_t kMostTraceReports = 100000;
inline constexpr std::string_view kTraceTooLarge =
    "more than 100000 reports, or 16 MiB of notes and log lines";

// The trace in `bytes`; else a failure (ImageRefused) with a short reason ("not
// a pcapng file", "block 3 is cut short") when the file cannot be read as one.
Result<Trace> decodePcapng(std::string_view bytes);

}  // namespace zeru::trace
