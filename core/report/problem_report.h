// SPDX-License-Identifier: GPL-3.0-or-later
// One .zip that an issue tracker accepts, with what a maintainer needs to
// follow a user's failure: the program and its libraries, the system, the
// devices found, the last device command's log lines and conversation, and the
// configuration (its Bluetooth password masked), with a README.txt that says
// what it holds.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "device/report_transport.h"
#include "settings/result.h"
#include "trace/trace.h"

namespace zeru::report {

struct ProblemReport {
    std::string writtenBy = {};              // "zeru-cli report", "the window's \"Save problem report...\""
    std::string program = {};                // programBuild()
    std::string qtVersion = {};              // "" when the program uses no Qt
    std::string hidapiVersion = {};          // hidapiVersion()
    std::string system = {};                 // systemDescription()
    std::vector<std::string> devices = {};   // listDevices() lines, with versions
    std::vector<std::string> logLines = {};  // of the last device command
    std::optional<trace::Trace> trace = {};  // of the last device command
    std::optional<std::string> configuration = {};  // configurationWithoutPassword()
    std::string configurationSource = {};           // "the window", "my.cfg"
};

// A report with what every front end tells alike: the program's build, the
// hidapi version, the system, and the devices that `transport` finds with
// their versions (asked quietly).
ProblemReport commonProblemReport(std::string writtenBy, ReportTransport& transport);

// The files of the archive, README.txt first; the trace's password masked.
std::vector<std::string> reportFileNames(const ProblemReport& report);
// The archive's bytes; the failure of zipArchive when it cannot be made.
Result<std::string> reportArchive(ProblemReport report);

// Writes the archive to `path` as every file is written (replaced whole);
// cfgfile::unableToWrite when it cannot be, or the failure of reportArchive.
Outcome saveProblemReport(const ProblemReport& report, const std::string& path);

}  // namespace zeru::report
