// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/options.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zeru::cli {
namespace {

struct CommandInfo {
    std::string_view name;
    int inputs;       // positional arguments it takes
    bool output;      // needs -o
    bool acceptsSet;  // takes --set
    std::string_view usage;
};

constexpr std::array<CommandInfo, 9> kCommands{{
    {"defaults", 0, true, false,
     "zeru-cli defaults -o OUT.cfg\n      Saves the start-up settings (with the telemetry presets) as \"Save "
     "to file\" would.\n"},
    {"encode", 1, true, true,
     "zeru-cli encode IN.cfg -o OUT.bin [--set SECTION.KEY=VALUE]...\n"
     "      Loads IN.cfg as \"Read from file\" does, validates and encodes it; writes the 7168-byte "
     "image.\n"},
    {"decode", 1, true, false,
     "zeru-cli decode IN.bin -o OUT.cfg\n"
     "      Checks an image and decodes it over the start-up settings (rules included); saves the "
     "settings.\n"},
    {"verify", 1, false, false,
     "zeru-cli verify IN.bin\n      Checks the checksum and end marker of an image.\n"},
    {"read", 0, true, false,
     "zeru-cli read -o OUT.cfg\n      \"Read config\" from the device, then saves the settings.\n"},
    {"write", 1, false, true,
     "zeru-cli write IN.cfg [--set SECTION.KEY=VALUE]... [--no-backup] [--backup-dir DIR]\n"
     "      Loads IN.cfg, then \"Write config\" to the device, after a backup of what it holds.\n"},
    {"info", 0, false, false, "zeru-cli info\n      Shows the device's firmware and hardware versions.\n"},
    {"upload-firmware", 0, false, false,
     "zeru-cli upload-firmware [--no-backup] [--backup-dir DIR]\n"
     "      \"Upload firmware\" with the built-in firmware image, after a backup of the configuration.\n"},
    {"backups", 0, false, false,
     "zeru-cli backups [--backup-dir DIR]\n"
     "      Lists the backups, newest first: stamp, CALLSIGN-SSID and path, one a line.\n"},
}};

const CommandInfo* findCommand(std::string_view name) {
    auto it = std::find_if(kCommands.begin(), kCommands.end(),
                           [&](const CommandInfo& c) { return c.name == name; });
    return it == kCommands.end() ? nullptr : &*it;
}

bool takeValue(std::string_view arg, std::string_view option, std::optional<std::string>& into) {
    if (arg.substr(0, option.size()) != option || arg.size() <= option.size() || arg[option.size()] != '=')
        return false;
    into = std::string(arg.substr(option.size() + 1));
    return true;
}

}  // namespace

Options parseOptions(const std::vector<std::string>& args) {
    Options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto next = [&](const char* what) -> std::string {
            if (i + 1 >= args.size()) throw UsageError(std::string(what) + " needs a value");
            return args[++i];
        };
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--verbose" || a == "-v") {
            o.verbose = true;
        } else if (takeValue(a, "--simulate", o.simulate) || takeValue(a, "--sim-version", o.simVersion) ||
                   takeValue(a, "--sim-fault", o.simFault)) {
        } else if (a == "--no-backup") {
            o.noBackup = true;
        } else if (a == "--backup-dir" || a.rfind("--backup-dir=", 0) == 0) {
            o.backupDir = a == "--backup-dir" ? next("--backup-dir") : a.substr(13);
        } else if (a == "-o" || a == "--output") {
            o.output = next("-o");
        } else if (a == "--set" || a.rfind("--set=", 0) == 0) {
            const std::string assignment = a == "--set" ? next("--set") : a.substr(6);
            const auto eq = assignment.find('=');
            const auto dot = assignment.find('.');
            if (eq == std::string::npos || dot == std::string::npos || dot > eq || dot == 0 || dot + 1 == eq)
                throw UsageError("--set takes SECTION.KEY=VALUE, not '" + assignment + "'");
            o.sets.emplace_back(assignment.substr(0, eq), assignment.substr(eq + 1));
        } else if (a.size() > 1 && a[0] == '-') {
            throw UsageError("unknown option " + a);
        } else if (o.command.empty()) {
            o.command = a;
        } else {
            o.inputs.push_back(a);
        }
    }
    if (o.help) return o;
    if (o.command.empty()) throw UsageError("no command given");
    const CommandInfo* c = findCommand(o.command);
    if (!c) throw UsageError("unknown command " + o.command);
    if (static_cast<int>(o.inputs.size()) != c->inputs)
        throw UsageError("wrong number of arguments for " + o.command);
    if (c->output && !o.output) throw UsageError(o.command + " needs -o OUT");
    if (!c->output && o.output) throw UsageError(o.command + " takes no -o");
    if (!c->acceptsSet && !o.sets.empty()) throw UsageError(o.command + " takes no --set");
    const bool backs = o.command == "write" || o.command == "upload-firmware";
    if (o.noBackup && !backs) throw UsageError(o.command + " takes no --no-backup");
    if (o.backupDir && !backs && o.command != "backups")
        throw UsageError(o.command + " takes no --backup-dir");
    if (!o.simulate && (o.simVersion || o.simFault))
        throw UsageError("--sim-version and --sim-fault need --simulate");
    return o;
}

std::string usageText(const std::string& command) {
    if (const CommandInfo* c = findCommand(command)) return "Usage: " + std::string(c->usage);
    std::string text =
        "Usage: zeru-cli [--simulate=STATE.bin [--sim-version=N] [--sim-fault=KIND:PAGE]] [--verbose] "
        "COMMAND [ARGS]\n"
        "\n"
        "Commands:\n";
    for (const CommandInfo& c : kCommands) text += "  " + std::string(c.usage);
    text +=
        "\n"
        "Options:\n"
        "  --simulate=STATE.bin     talk to the built-in device simulator instead of USB; its configuration\n"
        "                           memory is loaded from STATE.bin when it exists and saved back "
        "afterwards\n"
        "  --sim-version=N          the simulator reports firmware version number N (102 is 1.02)\n"
        "  --sim-fault=KIND:PAGE    the simulator misbehaves at page PAGE (from 0); KIND is refuse, "
        "bad-sum,\n"
        "                           bad-echo, short, silent, wrong-page or gone; drop or flip: a "
        "configuration\n"
        "                           page is acknowledged but kept old or stored with one bit changed\n"
        "  --set SECTION.KEY=VALUE  (encode, write) after the load, set one setting by its file key, as a "
        "user\n"
        "                           would type or pick it: a text as is, a choice by its index\n"
        "  --no-backup              (write, upload-firmware) no backup of the device's configuration first\n"
        "  --backup-dir DIR         (write, upload-firmware, backups) the backup folder, instead of\n"
        "                           $XDG_STATE_HOME/kestrovane-zeru/backups or "
        "~/.local/state/kestrovane-zeru/backups\n"
        "  --verbose                show the log lines\n"
        "  --help                   this text; COMMAND --help for one command\n"
        "\n"
        "Exit status: 0 success, 1 usage error, 2 settings refused, 3 image or file refused or unreadable,\n"
        "4 no device found, 5 the device failed or refused.\n";
    return text;
}

}  // namespace zeru::cli
