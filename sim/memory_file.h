// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated device's configuration memory kept in a file of 7168 bytes,
// so that a simulated device can keep its configuration between runs.
#pragma once

#include <string>

#include "image/config_image.h"
#include "settings/result.h"

namespace zeru::sim {

// Whether the state file holds no memory yet: missing, or empty (as the state
// lock makes a missing one). The device then starts as from the factory.
bool isBlankState(const std::string& path);

// The file's 7168 bytes; else a failure (ImageRefused) when it cannot be read,
// is not a regular file (a FIFO or device is never read from) or has another
// size.
Result<ConfigImage> readMemoryFile(const std::string& path);
// Replaces the file's content as every saved file is replaced; the failure of
// cfgfile::replaceFileContent ("Unable to write to PATH") when that fails.
Outcome writeMemoryFile(const std::string& path, const ConfigImage& memory);

}  // namespace zeru::sim
