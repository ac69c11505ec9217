// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated device's configuration memory kept in a file of 7168 bytes,
// so that a simulated device can keep its configuration between runs.
#pragma once

#include <optional>
#include <string>

#include "image/config_image.h"

namespace zeru::sim {

// The file's 7168 bytes; nullopt with `error` set when it cannot be read or
// has another size.
std::optional<ConfigImage> readMemoryFile(const std::string& path, std::string& error);
// False with `error` set when the file cannot be written.
bool writeMemoryFile(const std::string& path, const ConfigImage& memory, std::string& error);

}  // namespace zeru::sim
