// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of zeru-cli. Each command lives in a file of its own and adds
// itself with one function, `void addNameCommand(CommandSet&)`, that declares
// its subcommand, arguments and options on the CLI::App and says what it runs;
// cli/all_commands.cpp calls them all.
#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "cli/global_options.h"
#include "cli/terminal_ui.h"

namespace zeru::cli {

// What a command has to hand when it runs.
struct CommandContext {
    const GlobalOptions& global;
    TerminalUi& ui;
};

// Runs a command once the command line is parsed; returns the exit status.
using CommandRun = std::function<int(CommandContext&)>;

class CommandSet {
public:
    explicit CommandSet(CLI::App& app) : app_(app) {}

    // Adds the subcommand `name`; `run` runs when the command line names it.
    // The usage line of the help is made from the arguments and options that
    // the caller then adds to the returned subcommand.
    CLI::App& add(const std::string& name, const std::string& description, CommandRun run);

    // The command the parsed command line names; nullptr when none.
    const CommandRun* chosen() const;
    // Its subcommand, with the arguments and options it was given; nullptr when none.
    const CLI::App* chosenCommand() const;

private:
    CLI::App& app_;
    std::vector<std::pair<const CLI::App*, CommandRun>> commands_;
};

// Adds every command of the tool, in the order of the usage text.
void addAllCommands(CommandSet& commands);

}  // namespace zeru::cli
