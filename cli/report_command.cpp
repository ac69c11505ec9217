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
            Result<trace::Trace> recorded = trace::loadTrace(file);
            if (!recorded) return showFailure(recorded.failure(), c.ui);
            problem.logLines = recorded->logLines;
            problem.trace = std::move(recorded).value();
            continue;
        }
        SettingsModel settings = startupSettings(c.ui);
        if (int status = loadSettings(file, {}, settings, c.ui)) return status;
        auto configuration = report::configurationWithoutPassword(settings);
        if (!configuration) {
            c.ui.error(Message::fromUtf8(configuration.failure().text));
            return kSettingsRefused;
        }
        problem.configuration = std::move(configuration).value();
        problem.configurationSource = file;
    }
    {
        Result<DeviceSession> opened = DeviceSession::open(c.global);
        if (!opened) return showFailure(opened.failure(), c.ui);
        DeviceSession& session = opened.value();
        report::ProblemReport common =
            report::commonProblemReport("\"zeru-cli report\"", session.transport());
        common.logLines = std::move(problem.logLines);
        common.trace = std::move(problem.trace);
        common.configuration = std::move(problem.configuration);
        common.configurationSource = std::move(problem.configurationSource);
        problem = std::move(common);
    }
    if (const Outcome saved = report::saveProblemReport(problem, a.output); !saved) {
        c.ui.error(Message::fromUtf8(saved.failure().text + "."));
        return exitStatus(saved.failure().kind);
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
