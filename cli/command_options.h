// SPDX-License-Identifier: GPL-3.0-or-later
// Arguments and options that several zeru-cli commands share, declared alike
// wherever they appear.
#pragma once

#include <CLI/CLI.hpp>
#include <string>
#include <utility>
#include <vector>

namespace zeru::cli {

// SECTION.KEY and VALUE of each --set, in command-line order.
using SetOptions = std::vector<std::pair<std::string, std::string>>;

// A required file argument, named in the usage for what it holds ("IN.cfg").
void addInputArgument(CLI::App& command, const std::string& name, std::string& into);

// The required -o OUT; `name` is what the usage calls the file ("OUT.cfg").
void addOutputOption(CLI::App& command, const std::string& name, std::string& into);

// The repeatable --set SECTION.KEY=VALUE.
void addSetOption(CLI::App& command, SetOptions& into);

// --device PATH|SERIAL of every command that talks to a device: which of
// several it talks to ("" when not given: the first found). DeviceSession
// takes the choice.
void addDeviceOption(CLI::App& command, std::string& into);

}  // namespace zeru::cli
