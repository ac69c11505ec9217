// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a trace back from pcapng: the files this program writes, and usbmon
// captures of the device made with a protocol analyser (of either byte
// order). Nothing in the file is trusted: every length is checked.
#pragma once

#include <string_view>

#include "settings/result.h"
#include "trace/trace.h"

namespace zeru::trace {

// The trace in `bytes`; else a failure (ImageRefused) with a short reason ("not
// a pcapng file", "block 3 is cut short") when the file cannot be read as one.
Result<Trace> decodePcapng(std::string_view bytes);

}  // namespace zeru::trace
