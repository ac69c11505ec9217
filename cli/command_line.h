// SPDX-License-Identifier: GPL-3.0-or-later
// zeru-cli's command line: the tool's own options, its commands, usage and
// usage errors, and the run of the command that was named.
#pragma once

#include <CLI/CLI.hpp>

#include "cli/command_set.h"
#include "cli/global_options.h"
#include "cli/terminal_ui.h"

namespace zeru::cli {

class CommandLine {
public:
    CommandLine();

    CommandSet& commands() { return commands_; }

    // Parses argv and runs the command it names; returns the exit status. A
    // malformed command line is a usage error: its reason, then the usage
    // text, on standard error. --help writes the usage text of the tool or of
    // the command to standard output.
    int run(int argc, const char* const* argv);

    // The tool's usage text.
    std::string usage() const;

private:
    int usageError(const std::string& reason) const;
    // Runs the command, which returns its exit status. A replay's mismatch
    // ends it with its line (5); an exception that escapes it otherwise (a
    // fault of the program) with its text (3).
    int runCommand(const CommandRun& command, TerminalUi& ui);

    CLI::App app_;
    GlobalOptions global_;
    CommandSet commands_;
};

}  // namespace zeru::cli
