// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of zeru-cli, each over the same catalogue, file, image, rule
// and device code as the window. Each returns the tool's exit status.
#pragma once

#include "cli/options.h"
#include "cli/terminal_ui.h"

namespace zeru::cli {

int runCommandLine(const Options& options, TerminalUi& ui);

}  // namespace zeru::cli
