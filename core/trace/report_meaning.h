// SPDX-License-Identifier: GPL-3.0-or-later
// What a request means, in the words of the log: "page write 6/224",
// "firmware page 101", "firmware version". Pages are counted from 1, as the
// log counts them; the bytes on the wire count from 0.
#pragma once

#include <string>

#include "device/report.h"

namespace zeru::trace {

std::string requestMeaning(const Report& request);

// The 64 report bytes (1..`count`) as hex pairs separated by spaces.
std::string reportHex(const Report& report, std::size_t count = kReportSize - 1);

}  // namespace zeru::trace
