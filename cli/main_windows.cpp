// SPDX-License-Identifier: GPL-3.0-or-later
// zeru-cli on Windows: the arguments come as UTF-16 (wmain), so that every
// file name reaches the tool whole, whatever the system's code page; inside,
// they are UTF-8 like everywhere else.
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/console.h"
#include "cli/output_check.h"
#include "device/wide_text.h"

int wmain(int argc, wchar_t** argv) {
    zeru::cli::prepareConsole();
    std::vector<std::string> arguments;
    arguments.reserve(static_cast<std::size_t>(argc));
    for (int i = 0; i < argc; ++i) arguments.push_back(zeru::utf8FromWide(argv[i]));
    std::vector<const char*> pointers;
    for (const std::string& a : arguments) pointers.push_back(a.c_str());
    zeru::cli::CommandLine commandLine;
    zeru::cli::addAllCommands(commandLine.commands());
    return zeru::cli::statusAfterOutput(commandLine.run(argc, pointers.data()));
}
