// SPDX-License-Identifier: GPL-3.0-or-later
// What the user is told before "Upload firmware" sends the built-in image: the
// window asks it as a question, zeru-cli prints it.
#pragma once

#include <cstdint>
#include <string>

namespace zeru {

// The version of the firmware image built into the configurator: the one
// firmware this configurator works with (1.02).
std::uint32_t builtInFirmwareVersion();

// "Firmware version 1.02 will be uploaded to the device. ..." (two lines).
std::string firmwareUploadFacts();

// The facts, then whether to go on.
std::string firmwareUploadQuestion();

}  // namespace zeru
