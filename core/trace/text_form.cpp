// SPDX-License-Identifier: GPL-3.0-or-later
#include "trace/text_form.h"

#include <chrono>
#include <cstdio>

#include "interaction/visible_text.h"
#include "trace/report_meaning.h"

namespace zeru::trace {
namespace {

std::string milliseconds(std::int64_t micros) {
    char text[32];
    std::snprintf(text, sizeof text, "%10.3f", static_cast<double>(micros) / 1000.0);
    return text;
}

// The calendar of <chrono> rather than gmtime_r, which not every system's C
// library has.
std::string utcTime(std::int64_t epochMicros) {
    using namespace std::chrono;
    const sys_seconds instant{seconds{epochMicros / 1000000}};
    const sys_days day = floor<days>(instant);
    const year_month_day date{day};
    if (!date.ok()) return "?";
    const hh_mm_ss timeOfDay{instant - day};
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d UTC", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(timeOfDay.hours().count()), static_cast<int>(timeOfDay.minutes().count()),
                  static_cast<int>(timeOfDay.seconds().count()));
    return text;
}

std::string deviceList(const std::vector<HidDeviceInfo>& devices) {
    std::string text = std::to_string(devices.size()) + (devices.size() == 1 ? " device" : " devices");
    for (std::size_t i = 0; i < devices.size(); ++i) {
        char ids[16];
        std::snprintf(ids, sizeof ids, "%04x:%04x", devices[i].vendorId, devices[i].productId);
        text += (i ? ", " : ": ") + visibleText(devices[i].path) + " " + ids;
        if (!devices[i].serialNumber.empty()) text += " serial " + visibleText(devices[i].serialNumber);
    }
    return text;
}

// The reply's line, told against the request it answers.
std::string replyLine(const Step& read, const Report& request, bool requestSeen) {
    const std::string meaning = requestSeen ? requestMeaning(request) : "reply";
    std::string line = milliseconds(read.endMicros) + "  in   " + meaning;
    if (read.result < 0) return line + ": device gone (read failed)";
    if (read.result == 0) return line + ": no reply within the time limit";
    const auto delivered = static_cast<std::size_t>(read.result - 1);
    if (delivered < kReportSize - 1)
        line += ": short reply, " + std::to_string(delivered) + " bytes";
    else if (requestSeen && read.report[kCommandOffset] != request[kCommandOffset]) {
        char answered[32];
        std::snprintf(answered, sizeof answered, ": answered 0x%02X", read.report[kCommandOffset]);
        line += answered;
    }
    return line + "  " + reportHex(read.report, delivered);
}

}  // namespace

std::string formatTraceText(const Trace& trace) {
    std::string text =
        "# " + (trace.application.empty() ? std::string("trace") : visibleText(trace.application));
    for (std::size_t i = 0; i < trace.commandLine.size(); ++i)
        text += (i ? " " : ": ") + visibleText(trace.commandLine[i]);
    text += "\n# started " + utcTime(trace.startEpochMicros) + "; times in ms since then\n";
    Report request{};
    bool requestSeen = false;
    for (const Step& step : trace.steps) {
        switch (step.kind) {
            case StepKind::Enumerate:
                text += milliseconds(step.startMicros) + "  enumerate: " + deviceList(step.devices) + "\n";
                break;
            case StepKind::Open:
                text += milliseconds(step.startMicros) + "  open " + visibleText(step.path) +
                        (step.result ? std::string() : ": failed, " + visibleText(step.whyNot)) + "\n";
                break;
            case StepKind::Close:
                text += milliseconds(step.startMicros) + "  close\n";
                break;
            case StepKind::Write:
                request = step.report;
                requestSeen = true;
                text += milliseconds(step.startMicros) + "  out  " + requestMeaning(step.report);
                if (step.result < 0)
                    text += ": device gone (write failed)";
                else if (step.result < static_cast<int>(kReportSize))
                    text += ": " + std::to_string(std::max(step.result - 1, 0)) + " bytes taken";
                text += "  " + reportHex(step.report) + "\n";
                break;
            case StepKind::Read:
                text += replyLine(step, request, requestSeen) + "\n";
                break;
        }
    }
    if (!trace.logLines.empty()) {
        text += "# log:\n";
        for (const std::string& line : trace.logLines) text += "#   " + visibleText(line) + "\n";
    }
    return text;
}

}  // namespace zeru::trace
