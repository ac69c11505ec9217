// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/check_command.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "cfgfile/file_keys.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "interaction/visible_text.h"
#include "problems/problems.h"

namespace zeru::cli {
namespace {

// "Section.Key" of a setting, as --set takes it.
std::string fileKeyOf(SettingId setting) {
    const cfgfile::FileKey& key = cfgfile::fileKeyOf(setting);
    return std::string(key.section) + "." + std::string(key.key);
}

std::string problemLine(bool error, SettingId setting, std::string_view message) {
    return std::string(error ? "error: " : "warning: ") + fileKeyOf(setting) + ": " + std::string(message);
}

}  // namespace

int reportProblems(const Settings& settings, std::FILE* out) {
    const auto problems = problems::findProblems(settings);
    bool anyError = false;
    for (const problems::Problem& p : problems) {
        const bool error = p.severity == problems::Severity::Error;
        anyError = anyError || error;
        std::fprintf(out, "%s\n", visibleLine(problemLine(error, p.setting, p.message)).c_str());
    }
    if (problems.empty())
        std::fputs("No problems.\n", out);
    else if (problems.size() == 1)
        std::fputs("1 problem.\n", out);
    else
        std::fprintf(out, "%zu problems.\n", problems.size());
    return anyError ? kSettingsRefused : kSuccess;
}

void tellUnsettledChoices(const Settings& settings, UserInterface& ui) {
    for (const problems::Problem& p : problems::unsettledChoices(settings))
        ui.note(Message::fromUtf8(problemLine(false, p.setting, p.message)));
}

void addCheckCommand(CommandSet& commands) {
    struct Arguments {
        std::string input;
        SetOptions sets;
    };
    auto a = std::make_shared<Arguments>();
    CLI::App& command = commands.add(
        "check",
        "Loads IN.cfg as \"Read from file\" does and lists every problem of its settings: what \"Write "
        "config\" would refuse, then APRS advice.",
        [a](CommandContext& c) {
            SettingsModel settings = startupSettings(c.ui);
            if (int status = loadSettings(a->input, a->sets, settings, c.ui)) return status;
            return reportProblems(settings, stdout);
        });
    addInputArgument(command, "IN.cfg", a->input);
    addSetOption(command, a->sets);
}

}  // namespace zeru::cli
