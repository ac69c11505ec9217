// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>

#include <csignal>

#include "cli/console.h"

namespace zeru::cli {

void prepareConsole() { std::signal(SIGPIPE, SIG_IGN); }

bool isTerminal(std::FILE* stream) { return isatty(fileno(stream)) != 0; }

}  // namespace zeru::cli
