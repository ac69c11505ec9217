// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commands/command_line.h"

#include <string_view>

namespace zeru::app {

CommandLine parseCommandLine(int argc, const char* const* argv) {
    CommandLine line;
    bool optionsEnd = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (!optionsEnd && argument == "--") {
            optionsEnd = true;
        } else if (!optionsEnd && (argument == "-h" || argument == "--help")) {
            line.help = true;
        } else if (!optionsEnd && argument.starts_with('-') && argument.size() > 1) {
            line.error = "unknown option " + std::string(argument);
        } else if (line.file.empty() && !argument.empty()) {
            line.file = argument;
        } else {
            line.error = "only one file can be opened";
        }
        if (!line.error.empty()) break;
    }
    return line;
}

}  // namespace zeru::app
