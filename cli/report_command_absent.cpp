// SPDX-License-Identifier: GPL-3.0-or-later
// Builds without libzip (Windows) have no "report" command.
#include "cli/commands.h"

namespace zeru::cli {

void addReportCommand(CommandSet& /*commands*/) {}

}  // namespace zeru::cli
