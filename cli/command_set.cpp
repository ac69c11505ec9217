// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_set.h"

namespace zeru::cli {

CLI::App& CommandSet::add(const std::string& name, const std::string& description, CommandRun run) {
    CLI::App* sub = app_.add_subcommand(name, description);
    commands_.emplace_back(sub, std::move(run));
    return *sub;
}

const CommandRun* CommandSet::chosen() const {
    for (const auto& [sub, run] : commands_)
        if (sub->parsed()) return &run;
    return nullptr;
}

const CLI::App* CommandSet::chosenCommand() const {
    for (const auto& [sub, run] : commands_)
        if (sub->parsed()) return sub;
    return nullptr;
}

}  // namespace zeru::cli
