// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of zeru-cli.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace zeru::cli {

struct Options {
    std::optional<std::string> simulate;  // state file of the in-process simulator
    std::optional<std::string> simVersion;
    std::optional<std::string> simFault;  // KIND:PAGE
    bool verbose = false;
    bool help = false;
    std::string command;                                    // "" when none was given
    std::vector<std::string> inputs;                        // positional arguments of the command
    std::optional<std::string> output;                      // -o
    std::vector<std::pair<std::string, std::string>> sets;  // --set SECTION.KEY=VALUE
    bool noBackup = false;                                  // --no-backup (write, upload-firmware)
    std::optional<std::string> backupDir;                   // --backup-dir DIR
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Parses argv[1..]; throws UsageError for anything malformed.
Options parseOptions(const std::vector<std::string>& args);

// The tool's usage text, or a command's when `command` names one.
std::string usageText(const std::string& command = {});

}  // namespace zeru::cli
