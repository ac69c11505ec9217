// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a trace back from pcapng: the files this program writes, and usbmon
// captures of the device made with a protocol analyser (of either byte
// order). Nothing in the file is trusted: every length is checked.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "trace/trace.h"

namespace zeru::trace {

// The trace in `bytes`; nullopt with a short reason in `error` ("not a pcapng
// file", "block 3 is cut short") when the file cannot be read as one.
std::optional<Trace> decodePcapng(std::string_view bytes, std::string& error);

}  // namespace zeru::trace
