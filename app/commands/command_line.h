// SPDX-License-Identifier: GPL-3.0-or-later
// The configurator's command line: `zeru-configurator [FILE.cfg]`. The file is
// loaded once the window is shown. Qt's own options are not taken: nothing
// but the program name is handed to Qt.
#pragma once

#include <string>

namespace zeru::app {

inline constexpr const char* kUsage = "Usage: zeru-configurator [FILE.cfg]\n";

struct CommandLine {
    std::string file;   // "" when none was given
    bool help = false;  // -h or --help
    std::string error;  // what was wrong with the arguments; "" when nothing
};

CommandLine parseCommandLine(int argc, const char* const* argv);

}  // namespace zeru::app
