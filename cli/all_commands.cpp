// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/backup_command.h"
#include "cli/commands.h"

namespace zeru::cli {

void addAllCommands(CommandSet& commands) {
    addDefaultsCommand(commands);
    addEncodeCommand(commands);
    addDecodeCommand(commands);
    addVerifyCommand(commands);
    addCheckCommand(commands);
    addReadCommand(commands);
    addWriteCommand(commands);
    addInfoCommand(commands);
    addUploadFirmwareCommand(commands);
    addListCommand(commands);
    addBackupsCommand(commands);
    addDiffCommand(commands);
    addFindCommand(commands);
    addTraceCommand(commands);
    addReportCommand(commands);
}

}  // namespace zeru::cli
