// SPDX-License-Identifier: GPL-3.0-or-later
// diff A B: two configurations compared setting by setting, each a .cfg file,
// a .bin image, the device or the start-up settings.
#include <cstdio>
#include <memory>
#include <stdexcept>

#include "cfgfile/config_file.h"
#include "cfgfile/file_keys.h"
#include "cfgfile/profile_file.h"
#include "cli/command_options.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/config_sources.h"
#include "cli/console.h"
#include "cli/exit_status.h"
#include "compare/comparison.h"
#include "compare/held_settings.h"
#include "interaction/command.h"
#include "interaction/visible_text.h"
#include "settings/whole_number.h"

namespace zeru::cli {
namespace {

struct DiffArguments {
    std::string a, b;
    std::string format = "lines";
    std::string device;  // --device, for a "device" side
};

std::string summaryLine(std::size_t count) {
    if (count == 0) return "No differences.";
    if (count == 1) return "1 setting differs.";
    return std::to_string(count) + " settings differ.";
}

void printLines(const std::vector<compare::Difference>& differences) {
    for (const compare::Difference& d : differences)
        std::printf("%s\n", visibleLine(latin1ToUtf8(compare::differenceLine(d))).c_str());
    std::printf("%s\n", summaryLine(differences.size()).c_str());
}

// The header keys, then B's value of every differing key, as a save writes
// them; a file of only these keys loads like any configuration file.
// The refusal of a value that cannot be saved, else the fragment.
Result<std::string> fragmentOf(const std::vector<compare::Difference>& differences, const Settings& b) {
    const auto keys = cfgfile::fileKeys();
    const auto saved = cfgfile::fileValues(b);
    if (!saved) return saved.failure();
    const std::vector<std::string>& values = *saved;
    cfgfile::ProfileFile fragment;
    for (std::size_t i = 0; i < keys.size() && keys[i].form == cfgfile::KeyForm::Header; ++i)
        fragment.write(keys[i].section, keys[i].key, values[i]);
    for (const compare::Difference& d : differences) {
        const auto i = static_cast<std::size_t>(d.key - keys.data());
        fragment.write(d.key->section, d.key->key, values[i]);
    }
    return fragment.bytes();
}

// The fragment as it is, or line by line with its control characters (and
// backslashes, as its values are not quoted) escaped when it goes to a terminal.
void printFragment(const std::string& fragment) {
    if (!isTerminal(stdout)) {
        std::fwrite(fragment.data(), 1, fragment.size(), stdout);
        return;
    }
    std::size_t start = 0;
    while (start < fragment.size()) {
        const auto end = fragment.find("\r\n", start);
        std::printf("%s\n", visibleText(std::string_view(fragment).substr(start, end - start)).c_str());
        start = end + 2;
    }
}

// An image and the device hold what a decode gives; a file and the defaults
// hold what a user typed.
bool holdsDeviceValues(SourceKind kind) { return kind == SourceKind::Image || kind == SourceKind::Device; }

int runDiff(const DiffArguments& a, CommandContext& c) {
    SettingsModel first = startupSettings(c.ui);
    if (int status = loadSource(a.a, c.global, first, c.ui, a.device)) return status;
    SettingsModel second = startupSettings(c.ui);
    if (int status = loadSource(a.b, c.global, second, c.ui, a.device)) return status;
    // A file or the defaults against what a device holds: the file as the
    // device would hold it once written, when it can be written at all.
    const bool firstHeld = holdsDeviceValues(sourceKind(a.a));
    if (firstHeld != holdsDeviceValues(sourceKind(a.b))) {
        SettingsModel& typed = firstHeld ? second : first;
        compare::asTheDeviceHoldsIt(typed, typed);
    }

    const auto differences = compare::compareSettings(first, second);
    if (a.format == "cfg") {
        const Result<std::string> fragment = fragmentOf(differences, second);
        if (!fragment) {
            const Failure& refusal = fragment.failure();
            if (refusal.kind == FailureKind::SettingsRefused)  // a number that does not convert
                c.ui.error(Message::fromUtf8(errorBoxText(refusal.text)));
            else  // a text with a line break: no file can hold it
                c.ui.error(Message::fromUtf8("The differences of " + visibleText(a.b) +
                                             " cannot be written as a configuration file."));
            return exitStatus(refusal.kind);
        }
        printFragment(*fragment);
    } else {
        printLines(differences);
    }
    return differences.empty() ? kSuccess : kDifferent;
}

}  // namespace

void addDiffCommand(CommandSet& commands) {
    auto a = std::make_shared<DiffArguments>();
    CLI::App& command = commands.add(
        "diff",
        "Compares two configurations, each a .cfg file, a .bin image, device or defaults: one line "
        "`Section.Key: \"A\" -> \"B\"` per differing setting, then how many differ.",
        [a](CommandContext& c) { return runDiff(*a, c); });
    command.add_option("A", a->a)->required();
    command.add_option("B", a->b)->required();
    addDeviceOption(command, a->device);
    command
        .add_option("--format", a->format,
                    "lines (the default), or cfg: B's values of the differing keys as a configuration file")
        ->type_name("lines|cfg")
        ->check(CLI::Validator(
            [](const std::string& text) -> std::string {
                return text == "lines" || text == "cfg" ? "" : "takes lines or cfg, not '" + text + "'";
            },
            ""));
}

}  // namespace zeru::cli
