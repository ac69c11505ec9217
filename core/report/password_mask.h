// SPDX-License-Identifier: GPL-3.0-or-later
// A problem report goes to a public issue tracker: the Bluetooth password is
// replaced by "****" wherever it stands (the callsign stays: it is public on
// the air).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "report/problem_report.h"
#include "report/zip_archive.h"
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

// The one mask between a report and the world: the archive's files of
// `report` as `files` makes them, without the password, old or new. Masked
// where the report carries it by its shape (the trace's pages, as
// maskPassword; the --set assignments of its command line in every spelling
// zeru-cli takes; its change lines), then every value so found (three bytes
// or more) is overwritten by as many '*' in every file, whatever field
// carried it (in a pcapng file: in the texts of its trace).
std::vector<ArchiveFile> filesWithoutPassword(
    ProblemReport report, const std::function<std::vector<ArchiveFile>(ProblemReport)>& files);

}  // namespace zeru::report
