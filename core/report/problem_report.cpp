// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/problem_report.h"

#include "cfgfile/file_replace.h"
#include "device/device_list.h"
#include "device/hidapi_transport.h"
#include "interaction/silent_ui.h"
#include "report/password_mask.h"
#include "report/system_facts.h"
#include "report/zip_archive.h"
#include "trace/pcapng_writer.h"
#include "trace/text_form.h"

namespace zeru::report {
namespace {

std::string joinedLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

std::string readme(const ProblemReport& r, const std::vector<ArchiveFile>& files) {
    std::string text =
        "Kestrovane Zeru Configurator: problem report\n"
        "\n"
        "Written by " +
        r.writtenBy +
        ", to be attached to a report of a problem.\n"
        "It holds:\n\n";
    const auto line = [&](const std::string& name, const std::string& what) {
        for (const ArchiveFile& f : files) {
            if (f.name != name) continue;
            text += "  ";
            text += name;
            text.append(14 - std::min<std::size_t>(name.size(), 13), ' ');
            text += what;
            text += '\n';
        }
    };
    line("README.txt", "this text");
    line("version.txt", "the program's version and build, the Qt and hidapi versions");
    line("system.txt", "the system: kernel and distribution");
    line("devices.txt", "the devices found, as \"zeru-cli list --versions\" shows them");
    line("log.txt", "the log lines of the last device command");
    line("trace.pcapng",
         "the last device command's exchanges with the device (Wireshark, or \"zeru-cli trace\")");
    line("trace.txt", "the same exchanges as text, one line per report");
    line("config.cfg", "the configuration of " + r.configurationSource + ", as \"Save to file\" writes it");
    text +=
        "\nThe Bluetooth password is replaced by **** in config.cfg and in the pages of\n"
        "the trace that carry it (their sums follow, so the trace still replays with\n"
        "\"zeru-cli --replay\"). The callsign stays: it is public on the air.\n"
        "It is replaced in the log lines and in the recorded command line too.\n";
    if (!r.trace)
        text +=
            "\nNo device command had been run, so there is no log or trace. From a shell, run\n"
            "the failing command again with --trace=FILE.pcapng and name that file to\n"
            "\"zeru-cli report\".\n";
    return text;
}

std::vector<ArchiveFile> unmaskedFiles(ProblemReport r) {
    std::vector<ArchiveFile> files;
    files.push_back({"README.txt", ""});
    files.push_back({"version.txt", r.program + "\nQt: " + (r.qtVersion.empty() ? "not used" : r.qtVersion) +
                                        "\nhidapi: " + r.hidapiVersion + "\n"});
    files.push_back({"system.txt", r.system});
    files.push_back({"devices.txt", r.devices.empty() ? "No device.\n" : joinedLines(r.devices)});
    if (!r.logLines.empty()) files.push_back({"log.txt", joinedLines(r.logLines)});
    if (r.trace) {
        files.push_back({"trace.pcapng", trace::encodePcapng(*r.trace)});
        files.push_back({"trace.txt", trace::formatTraceText(*r.trace)});
    }
    if (r.configuration) files.push_back({"config.cfg", *r.configuration});
    files.front().bytes = readme(r, files);
    return files;
}

std::vector<ArchiveFile> archiveFiles(ProblemReport r) {
    return filesWithoutPassword(std::move(r), unmaskedFiles);
}

}  // namespace

ProblemReport commonProblemReport(std::string writtenBy, ReportTransport& transport) {
    ProblemReport report;
    report.writtenBy = std::move(writtenBy);
    report.program = programBuild();
    report.hidapiVersion = hidapiVersion();
    report.system = systemDescription();
    SilentUi quiet;
    report.devices = listDevices(transport, quiet, true).lines;
    return report;
}

std::vector<std::string> reportFileNames(const ProblemReport& report) {
    std::vector<std::string> names;
    for (const ArchiveFile& f : archiveFiles(report)) names.push_back(f.name);
    return names;
}

Result<std::string> reportArchive(ProblemReport report) {
    return zipArchive(archiveFiles(std::move(report)));
}

Outcome saveProblemReport(const ProblemReport& report, const std::string& path) {
    const Result<std::string> archive = reportArchive(report);
    if (!archive) return archive.failure();
    return cfgfile::replaceFileContent(path, *archive);
}

}  // namespace zeru::report
