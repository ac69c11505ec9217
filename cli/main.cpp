// SPDX-License-Identifier: GPL-3.0-or-later
// zeru-cli: provision, back up and inspect Kestrovane Zeru devices without the
// window.
#include <unistd.h>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/options.h"
#include "cli/output_check.h"
#include "cli/terminal_ui.h"

namespace {

int run(int argc, char** argv) {
    using namespace zeru::cli;
    const std::vector<std::string> args(argv + 1, argv + argc);
    Options options;
    try {
        options = parseOptions(args);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "zeru-cli: %s\n\n%s", e.what(), usageText().c_str());
        return kUsageError;
    }
    if (options.help) {
        std::fputs(usageText(options.command).c_str(), stdout);
        return kSuccess;
    }
    TerminalUi ui(stderr, options.verbose, isatty(fileno(stderr)) != 0);
    try {
        return runCommandLine(options, ui);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "zeru-cli: %s\n\n%s", e.what(), usageText().c_str());
        return kUsageError;
    } catch (const std::exception& e) {
        ui.error(e.what());
        return kImageRefused;
    }
}

}  // namespace

int main(int argc, char** argv) {
    zeru::cli::ignoreBrokenPipe();
    return zeru::cli::statusAfterOutput(run(argc, argv));
}
