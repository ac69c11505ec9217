// SPDX-License-Identifier: GPL-3.0-or-later
// Each zeru-cli command adds itself to the command set; see command_set.h.
#pragma once

#include "cli/command_set.h"

namespace zeru::cli {

void addDefaultsCommand(CommandSet& commands);
void addEncodeCommand(CommandSet& commands);
void addDecodeCommand(CommandSet& commands);
void addVerifyCommand(CommandSet& commands);
void addCheckCommand(CommandSet& commands);
void addReadCommand(CommandSet& commands);
void addWriteCommand(CommandSet& commands);
void addInfoCommand(CommandSet& commands);
void addUploadFirmwareCommand(CommandSet& commands);
void addListCommand(CommandSet& commands);
void addDiffCommand(CommandSet& commands);
void addFindCommand(CommandSet& commands);
void addTraceCommand(CommandSet& commands);
void addReportCommand(CommandSet& commands);

}  // namespace zeru::cli
