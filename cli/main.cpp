// SPDX-License-Identifier: GPL-3.0-or-later
// zeru-cli: provision, back up and inspect Kestrovane Zeru devices without the
// window.
#include "cli/command_line.h"
#include "cli/console.h"
#include "cli/output_check.h"

int main(int argc, char** argv) {
    zeru::cli::prepareConsole();
    zeru::cli::CommandLine commandLine;
    zeru::cli::addAllCommands(commandLine.commands());
    return zeru::cli::statusAfterOutput(commandLine.run(argc, argv));
}
