// SPDX-License-Identifier: GPL-3.0-or-later
// "Save device log..." and "Save problem report...": the last device
// command's conversation with the device and its log lines, which the session
// keeps, saved as a trace or in one .zip for a report of a problem.
#pragma once

#include <functional>

#include "device/report_transport.h"
#include "interaction/line_keeping_ui.h"
#include "settings/settings.h"
#include "trace/trace_recorder.h"

class QMenu;

namespace zeru::app {

class DeviceLogActions {
public:
    // `devices` lists the connected devices for the report, off the record.
    DeviceLogActions(UserInterface& ui, const trace::TraceRecorder& recorder, const LineKeepingUi& lines,
                     ReportTransport& devices, Settings& settings)
        : ui_(ui), recorder_(recorder), lines_(lines), devices_(devices), settings_(settings) {}

    // Appends the two entries (after a separator) to the menu beside the
    // command buttons.
    void addTo(QMenu& menu);

    void saveDeviceLog();
    void saveProblemReport();

private:
    trace::Trace lastCommand() const;

    UserInterface& ui_;
    const trace::TraceRecorder& recorder_;
    const LineKeepingUi& lines_;
    ReportTransport& devices_;
    Settings& settings_;
};

}  // namespace zeru::app
