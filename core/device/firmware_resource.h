// SPDX-License-Identifier: GPL-3.0-or-later
// The firmware image built into the configurator, found by its identifier.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

namespace zeru {

// The identifier of the one firmware image that ships inside the executable.
inline constexpr int kFirmwareResourceId = 1;

// The bytes of built-in resource `id`, exactly as stored (enciphered: nobody
// here looks inside); nullopt when there is no such resource.
std::optional<std::span<const std::uint8_t>> findFirmwareResource(int id);

// Where an upload takes its image from: findFirmwareResource in the program,
// anything else in tests.
using FirmwareSource = std::function<std::optional<std::span<const std::uint8_t>>(int id)>;

}  // namespace zeru
