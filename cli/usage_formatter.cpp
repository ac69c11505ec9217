// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/usage_formatter.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace zeru::cli {
namespace {

constexpr std::size_t kWidth = 100;                   // of the usage text
constexpr std::size_t kOptionColumn = 27;             // where an option's description starts
constexpr const char* kDescriptionIndent = "      ";  // of a command's description

// `text` wrapped at word boundaries to kWidth, every line after the first
// indented by `indent` columns; `column` is where the first line starts.
std::string wrapped(const std::string& text, std::size_t column, std::size_t indent) {
    std::istringstream words(text);
    std::string out, word;
    std::size_t at = column;
    bool first = true;
    while (words >> word) {
        if (!first && at + 1 + word.size() > kWidth) {
            out += '\n' + std::string(indent, ' ');
            at = indent;
        } else if (!first) {
            out += ' ';
            ++at;
        }
        out += word;
        at += word.size();
        first = false;
    }
    return out;
}

bool isHelp(const CLI::App& app, const CLI::Option* option) { return option == app.get_help_ptr(); }

// How the usage writes an option: its long name when it has one.
std::string optionName(const CLI::Option& option) {
    if (!option.get_lnames().empty()) return "--" + option.get_lnames().front();
    return "-" + option.get_snames().front();
}

// "--set SECTION.KEY=VALUE", or "--simulate=STATE.bin" for an option of the
// tool (written as the synopsis writes them), "--verbose" for a flag.
std::string optionWithValue(const CLI::Option& option, bool ofTheTool) {
    const std::string value = option.get_type_size() == 0 ? "" : option.get_type_name();
    if (value.empty()) return optionName(option);
    return optionName(option) + (ofTheTool ? "=" : " ") + value;
}

std::string optionLine(const std::string& left, const std::string& description) {
    std::string line = "  " + left;
    if (line.size() + 2 > kOptionColumn)
        line += '\n' + std::string(kOptionColumn, ' ');
    else
        line += std::string(kOptionColumn - line.size(), ' ');
    return line + wrapped(description, kOptionColumn, kOptionColumn) + '\n';
}

std::vector<const CLI::Option*> describedOptions(const CLI::App& app) {
    return app.get_options([&](const CLI::Option* o) {
        return o->nonpositional() && !isHelp(app, o) && !o->get_description().empty();
    });
}

std::string commandEntry(const CLI::App& command) {
    return "  " + UsageFormatter::commandUsage(command) + '\n' + kDescriptionIndent +
           wrapped(command.get_description(), 6, 6) + '\n';
}

}  // namespace

std::string UsageFormatter::commandUsage(const CLI::App& command) {
    std::string usage = "zeru-cli " + command.get_name();
    for (const CLI::Option* o : command.get_options([](const CLI::Option* o) { return !o->nonpositional(); }))
        usage += ' ' + o->get_name(true);
    const auto options =
        command.get_options([&](const CLI::Option* o) { return o->nonpositional() && !isHelp(command, o); });
    for (const CLI::Option* o : options)
        if (o->get_required()) usage += ' ' + optionWithValue(*o, false);
    for (const CLI::Option* o : options) {
        if (o->get_required()) continue;
        usage += " [" + optionWithValue(*o, false) + ']';
        if (o->get_multi_option_policy() == CLI::MultiOptionPolicy::TakeAll) usage += "...";
    }
    return usage;
}

std::string UsageFormatter::make_help(const CLI::App* app, std::string, CLI::AppFormatMode) const {
    return app->get_parent() ? commandHelp(*app) : toolHelp(*app);
}

std::string UsageFormatter::commandHelp(const CLI::App& command) {
    std::string text = "Usage: " + commandEntry(command).substr(2);
    const auto options = describedOptions(command);
    if (!options.empty()) {
        text += "\nOptions:\n";
        for (const CLI::Option* o : options)
            text += optionLine(optionWithValue(*o, false), o->get_description());
    }
    return text;
}

std::string UsageFormatter::toolHelp(const CLI::App& tool) const {
    std::string text = "Usage: " + synopsis_ + "\n\nCommands:\n";
    const auto commands = tool.get_subcommands([](const CLI::App*) { return true; });
    for (const CLI::App* command : commands) text += commandEntry(*command);

    text += "\nOptions:\n";
    for (const CLI::Option* o : describedOptions(tool))
        text += optionLine(optionWithValue(*o, true), o->get_description());
    // An option of some commands, once, with the commands that take it.
    std::vector<std::string> listed;
    for (const CLI::App* command : commands) {
        for (const CLI::Option* o : describedOptions(*command)) {
            const std::string left = optionWithValue(*o, false);
            if (std::find(listed.begin(), listed.end(), left) != listed.end()) continue;
            listed.push_back(left);
            std::string takers;
            for (const CLI::App* other : commands) {
                for (const CLI::Option* same : describedOptions(*other)) {
                    if (optionWithValue(*same, false) != left) continue;
                    takers += (takers.empty() ? "" : ", ") + other->get_name();
                }
            }
            text += optionLine(left, "(" + takers + ") " + o->get_description());
        }
    }
    if (const CLI::Option* help = tool.get_help_ptr())
        text += optionLine(optionName(*help), help->get_description());
    return text + '\n' + tool.get_footer() + '\n';
}

}  // namespace zeru::cli
