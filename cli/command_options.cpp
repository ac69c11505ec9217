// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_options.h"

namespace zeru::cli {

void addInputArgument(CLI::App& command, const std::string& name, std::string& into) {
    command.add_option(name, into)->required();
}

void addOutputOption(CLI::App& command, const std::string& name, std::string& into) {
    command.add_option("-o", into)->required()->type_name(name);
}

void addSetOption(CLI::App& command, SetOptions& into) {
    auto assignment = [](const std::string& text) -> std::string {
        const auto eq = text.find('=');
        const auto dot = text.find('.');
        if (eq == std::string::npos || dot == std::string::npos || dot > eq || dot == 0 || dot + 1 == eq)
            return "takes SECTION.KEY=VALUE, not '" + text + "'";
        return {};
    };
    command
        .add_option(
            "--set",
            "after the load, set one setting by its file key, as a user would type or pick it: a text "
            "as is, a choice by its index")
        ->type_name("SECTION.KEY=VALUE")
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->check(CLI::Validator(assignment, ""))
        ->each([&into](const std::string& text) {
            const auto eq = text.find('=');
            into.emplace_back(text.substr(0, eq), text.substr(eq + 1));
        });
}

void addDeviceOption(CLI::App& command, std::string& into) {
    command
        .add_option(
            "--device", into,
            "the device with this path or serial number, as list shows them, instead of the first one "
            "found")
        ->type_name("PATH|SERIAL");
}

}  // namespace zeru::cli
