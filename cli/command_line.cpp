// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line.h"

#include <cstdio>
#include <exception>
#include <memory>

#include "cli/command_support.h"
#include "cli/console.h"
#include "cli/exit_status.h"
#include "cli/file_roles.h"
#include "cli/terminal_ui.h"
#include "cli/usage_formatter.h"
#include "interaction/visible_text.h"
#include "trace/replay_transport.h"
#include "trace/trace_file.h"

namespace zeru::cli {
namespace {

// The firmware version number the simulator reports: any 32-bit value.
std::optional<std::uint32_t> parseVersionNumber(const std::string& text) {
    if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const unsigned long long value = std::stoull(text);
    if (value > 0xFFFFFFFFull) return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

// A file option must not take the next option for its file.
CLI::Validator noOptionAsFile(const std::string& what) {
    return CLI::Validator(
        [what](const std::string& path) -> std::string {
            if (!path.starts_with('-')) return {};
            const std::string shown = visibleText(path);
            return "takes " + what + ", not '" + shown + "' (./" + shown + " for such a file)";
        },
        "");
}

}  // namespace

CommandLine::CommandLine() : app_("", "zeru-cli"), commands_(app_) {
    app_.formatter(
        std::make_shared<UsageFormatter>("zeru-cli [--simulate=STATE.bin [--sim-version=N] "
                                         "[--sim-fault=KIND:PAGE] | --replay=TRACE.pcapng] "
                                         "[--trace=FILE.pcapng] [--verbose] COMMAND [ARGS]"));
    app_.footer(
        "Exit status: 0 success, 1 usage error, 2 settings refused, 3 image or file refused or unreadable,\n"
        "4 no device found, 5 the device failed or refused.\n"
        "diff: 0 the same, 6 the configurations differ.");
    app_.require_subcommand(1);
    app_.fallthrough();  // the tool's options may also follow the command
    app_.set_help_flag();

    CLI::Option* simulate =
        app_.add_option_function<std::string>(
                "--simulate", [this](const std::string& path) { global_.simulate = path; },
                "talk to the built-in device simulator instead of USB; its configuration memory is loaded "
                "from STATE.bin when it exists and saved back afterwards")
            ->type_name("STATE.bin")
            // "list --simulate --versions" must not make a state file named "--versions".
            ->check(noOptionAsFile("STATE.bin"));
    app_.add_option_function<std::string>(
            "--sim-version",
            [this](const std::string& text) { global_.simVersion = parseVersionNumber(text); },
            "the simulator reports firmware version number N (102 is 1.02)")
        ->type_name("N")
        ->needs(simulate)
        ->check(CLI::Validator(
            [](const std::string& text) -> std::string {
                if (parseVersionNumber(text)) return {};
                return "takes a whole number from 0 to 4294967295, not '" + text + "'";
            },
            ""));
    app_.add_option_function<std::string>(
            "--sim-fault", [this](const std::string& text) { global_.simFault = sim::parseFault(text); },
            "the simulator misbehaves at page PAGE (from 0); KIND is refuse, bad-sum, bad-echo, short, "
            "silent, wrong-page, gone, drop or flip; drop and flip acknowledge a configuration page but "
            "keep the old one or store it with one bit changed")
        ->type_name("KIND:PAGE")
        ->needs(simulate)
        ->check(CLI::Validator(
            [](const std::string& text) -> std::string {
                if (sim::parseFault(text)) return {};
                return "takes KIND:PAGE, not '" + text + "'";
            },
            ""));
    app_.add_option_function<std::string>(
            "--trace", [this](const std::string& path) { global_.trace = path; },
            "record every exchange with the device into FILE, also when the command fails: pcapng, which "
            "protocol analysers open, or text when FILE ends in .txt")
        ->type_name("FILE.pcapng")
        ->check(noOptionAsFile("FILE.pcapng"));
    app_.add_option_function<std::string>(
            "--replay", [this](const std::string& path) { global_.replay = path; },
            "the device answers what TRACE.pcapng recorded, request by request, and the command stops where "
            "it asks something the trace does not hold")
        ->type_name("TRACE.pcapng")
        ->excludes(simulate)
        ->check(noOptionAsFile("TRACE.pcapng"));
    app_.add_flag("-v,--verbose", global_.verbose, "show the log lines");
    app_.set_help_flag("-h,--help", "this text; COMMAND --help for one command");
}

std::string CommandLine::usage() const {
    return app_.get_formatter()->make_help(&app_, app_.get_name(), CLI::AppFormatMode::Normal);
}

int CommandLine::usageError(const std::string& reason) const {
    // The reason may repeat an argument as it was given.
    std::fprintf(stderr, "zeru-cli: %s\n\n%s", visibleLine(reason).c_str(), usage().c_str());
    return kUsageError;
}

int CommandLine::run(int argc, const char* const* argv) {
    try {
        app_.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::fputs(app_.help().c_str(), stdout);  // the named command's, or the tool's
        return kSuccess;
    } catch (const CLI::ParseError& e) {
        return usageError(e.what());
    }
    const CommandRun* command = commands_.chosen();
    if (!command) return usageError("no command given");
    // Before anything is read or written: a run must not destroy what it works from.
    if (const auto clash = outputAlsoInput(namedFiles(*commands_.chosenCommand(), global_)))
        return usageError(*clash);

    TerminalUi ui(stderr, global_.verbose, isTerminal(stderr));
    std::optional<trace::ReplayTransport> replay;
    if (global_.replay) {
        Result<trace::Trace> recorded = trace::loadTrace(*global_.replay);
        if (!recorded) return showFailure(recorded.failure(), ui);
        replay.emplace(std::move(recorded).value());
        global_.replayTransport = &*replay;
    }
    std::optional<trace::TraceRecorder> recorder;
    if (global_.trace) {
        // Refused before the device is used: a conversation that could not be saved would be lost.
        if (const Outcome may = trace::maySaveTrace(*global_.trace); !may) {
            ui.error(Message::fromUtf8(may.failure().text + "."));
            return kImageRefused;
        }
        recorder.emplace();
        recorder->trace().application = "zeru-cli " ZERU_PROGRAM_VERSION;
        recorder->trace().commandLine.assign(argv + 1, argv + argc);
        recorder->trace().commandLine.insert(recorder->trace().commandLine.begin(), "zeru-cli");
        ui.keepLinesIn(&recorder->trace().logLines);
        global_.recorder = &*recorder;
    }
    const int status = runCommand(*command, ui);
    ui.keepLinesIn(nullptr);
    if (!recorder) return status;
    if (const Outcome saved = trace::saveTrace(recorder->trace(), *global_.trace); !saved) {
        ui.error(Message::fromUtf8(saved.failure().text + "."));
        return status == kSuccess ? exitStatus(saved.failure().kind) : status;
    }
    return status;
}

int CommandLine::runCommand(const CommandRun& command, TerminalUi& ui) {
    CommandContext context{global_, ui};
    try {
        return command(context);
    } catch (const trace::ReplayMismatch& e) {
        // The replayed program left its record: the command ends there, with
        // the line that says where, and no flow tells a device failure that
        // never happened.
        ui.error(Message::fromUtf8(e.what()));
        return kDeviceFailed;
    } catch (const std::exception& e) {
        // A fault of the program, or memory run out: told, as the window's
        // error box tells it, rather than ending without a word.
        ui.error(Message::fromUtf8(e.what()));
        return kImageRefused;
    }
}

}  // namespace zeru::cli
