// SPDX-License-Identifier: GPL-3.0-or-later
// The options of zeru-cli that stand before any command: the simulator
// instead of USB, and how much to show.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "sim/fault.h"

namespace zeru::cli {

struct GlobalOptions {
    std::optional<std::string> simulate;  // state file of the in-process simulator
    std::optional<std::uint32_t> simVersion;
    std::optional<sim::Fault> simFault;
    bool verbose = false;
};

}  // namespace zeru::cli
