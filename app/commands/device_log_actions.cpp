// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commands/device_log_actions.h"

#include <QMenu>
#include <QtGlobal>

#include "report/password_mask.h"
#include "report/problem_report.h"
#include "trace/trace_file.h"

namespace zeru::app {
namespace {

constexpr std::string_view kNoDeviceCommand =
    "No device command has run yet: there is no device log to save.";

}  // namespace

void DeviceLogActions::addTo(QMenu& menu) {
    menu.addSeparator();
    QAction* log = menu.addAction(QStringLiteral("Save device &log..."));
    log->setObjectName(QStringLiteral("Action_save_device_log"));
    log->setToolTip(
        QStringLiteral("Saves the last device command's exchanges with the device (.pcapng or .txt)."));
    QObject::connect(log, &QAction::triggered, &menu, [this] { saveDeviceLog(); });
    QAction* report = menu.addAction(QStringLiteral("Save problem &report..."));
    report->setObjectName(QStringLiteral("Action_save_problem_report"));
    report->setToolTip(QStringLiteral("Saves one .zip to attach to a report of a problem."));
    QObject::connect(report, &QAction::triggered, &menu, [this] { saveProblemReport(); });
}

trace::Trace DeviceLogActions::lastCommand() const {
    trace::Trace trace = recorder_.trace();
    trace.logLines = lines_.lines();
    return trace;
}

void DeviceLogActions::saveDeviceLog() {
    if (recorder_.trace().steps.empty()) {
        ui_.information(Message::fromUtf8(kNoDeviceCommand));
        return;
    }
    const auto path =
        ui_.chooseSaveFile({"", "Device traces (*.pcapng);;Text (*.txt)", "zeru-device-log.pcapng"});
    if (!path) return;
    if (const Outcome saved = trace::saveTrace(lastCommand(), *path); !saved)
        return ui_.error(Message::fromUtf8(saved.failure().text + "."));
    ui_.log(Message::fromUtf8("Saved " + *path));
}

void DeviceLogActions::saveProblemReport() {
    const auto path = ui_.chooseSaveFile({"", "Zip archives (*.zip)", "zeru-problem-report.zip"});
    if (!path) return;
    report::ProblemReport problem =
        report::commonProblemReport("the configurator's \"Save problem report...\"", devices_);
    problem.qtVersion = qVersion();
    if (!recorder_.trace().steps.empty()) {
        problem.trace = lastCommand();
        problem.logLines = lines_.lines();
    }
    // A number that is not a whole number: the report goes without the configuration.
    if (auto configuration = report::configurationWithoutPassword(settings_)) {
        problem.configuration = std::move(configuration).value();
        problem.configurationSource = "the window";
    }
    // Not written, or the archive not made (the archive library's reason).
    if (const Outcome saved = report::saveProblemReport(problem, *path); !saved)
        return ui_.error(Message::fromUtf8(saved.failure().text + "."));
    ui_.log(Message::fromUtf8("Saved " + *path));
}

}  // namespace zeru::app
