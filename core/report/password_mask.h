// SPDX-License-Identifier: GPL-3.0-or-later
// A problem report goes to a public issue tracker: the Bluetooth password is
// replaced by "****" wherever it stands (the callsign stays: it is public on
// the air).
#pragma once

#include <string>

#include "settings/result.h"
#include "settings/settings.h"
#include "trace/trace.h"

namespace zeru::report {

inline constexpr std::string_view kMaskedPassword = "****";

// The settings as "Save to file" writes them, the password masked, or the
// refusal of fileValues (a number that is not a whole number).
Result<std::string> configurationWithoutPassword(const Settings& settings);

// Masks the password in every configuration page of the trace that carries
// it, written or read, and keeps the page sums and the image checksum true to
// the masked bytes, so that the trace still replays.
void maskPassword(trace::Trace& trace);

}  // namespace zeru::report
