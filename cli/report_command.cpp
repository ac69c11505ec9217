// SPDX-License-Identifier: GPL-3.0-or-later
// report: one .zip to attach to a report of a problem (see report/).
#include <memory>

#include "cli/command_options.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "report/password_mask.h"
#include "report/problem_report.h"
#include "trace/trace_file.h"

namespace zeru::cli {
namespace {

struct ReportArguments {
    std::string output;
    std::vector<std::string> files;  // a configuration (.cfg) and a trace (.pcapng)
};

bool isTraceFile(const std::string& path) { return !path.ends_with(".cfg") && !path.ends_with(".CFG"); }

int runReport(const ReportArguments& a, CommandContext& c) {
    report::ProblemReport problem;
    for (const std::string& file : a.files) {
        if (isTraceFile(file)) {
            std::string error;
            auto recorded = trace::loadTrace(file, error);
            if (!recorded) {
                c.ui.error(Message::fromUtf8(error));
                return kImageRefused;
            }
            problem.logLines = recorded->logLines;
            problem.trace = std::move(*recorded);
            continue;
        }
        SettingsModel settings = startupSettings(c.ui);
        if (int status = loadSettings(file, {}, settings, c.ui)) return status;
        try {
            problem.configuration = report::configurationWithoutPassword(settings);
        } catch (const std::exception& e) {
            c.ui.error(Message::fromUtf8(e.what()));
            return kSettingsRefused;
        }
        problem.configurationSource = file;
    }
    {
        DeviceSession session(c.global);
        report::ProblemReport common =
            report::commonProblemReport("\"zeru-cli report\"", session.transport());
        common.logLines = std::move(problem.logLines);
        common.trace = std::move(problem.trace);
        common.configuration = std::move(problem.configuration);
        common.configurationSource = std::move(problem.configurationSource);
        problem = std::move(common);
    }
    try {
        report::saveProblemReport(problem, a.output);
    } catch (const std::exception& e) {
        c.ui.error(Message::fromUtf8(e.what() + std::string(".")));
        return kImageRefused;
    }
    return kSuccess;
}

}  // namespace

void addReportCommand(CommandSet& commands) {
    auto a = std::make_shared<ReportArguments>();
    CLI::App& command = commands.add("report",
                                     "Writes one .zip for a report of a problem: versions, system, the "
                                     "devices found, and the configuration "
                                     "(Bluetooth password masked) and trace (with its log lines) named.",
                                     [a](CommandContext& c) { return runReport(*a, c); });
    addOutputOption(command, "OUT.zip", a->output);
    command
        .add_option("FILES", a->files,
                    "a configuration IN.cfg and a trace TRACE.pcapng recorded with --trace")
        ->type_name("[IN.cfg] [TRACE.pcapng]")
        ->check(CLI::ExistingFile);
}

}  // namespace zeru::cli
