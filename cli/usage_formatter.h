// SPDX-License-Identifier: GPL-3.0-or-later
// The usage text of zeru-cli, made from what the commands declare: the tool's
// synopsis, each command's usage line with its description indented below it,
// the options with a description, and the exit statuses.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace zeru::cli {

class UsageFormatter : public CLI::FormatterBase {
public:
    // `synopsis` follows "Usage: " in the tool's own usage text.
    explicit UsageFormatter(std::string synopsis) : synopsis_(std::move(synopsis)) {}

    std::string make_help(const CLI::App* app, std::string name, CLI::AppFormatMode mode) const override;

    // "zeru-cli encode IN.cfg -o OUT.bin [--set SECTION.KEY=VALUE]...".
    static std::string commandUsage(const CLI::App& command);

private:
    std::string toolHelp(const CLI::App& tool) const;
    static std::string commandHelp(const CLI::App& command);

    std::string synopsis_;
};

}  // namespace zeru::cli
