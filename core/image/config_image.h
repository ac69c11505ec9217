// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration image exchanged with the device: 224 pages of 32 bytes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace zeru {

inline constexpr std::size_t kImageSize = 7168;
inline constexpr std::size_t kPageSize = 32;
inline constexpr std::size_t kPageCount = 224;
inline constexpr std::size_t kConfigBlockSize = 1288;
inline constexpr std::size_t kChecksumFirst = 4;  // summed range 4..1287
inline constexpr std::size_t kEndMarkerOffset = 1284;
inline constexpr std::size_t kConfigVersionOffset = 6;

using ConfigImage = std::array<std::uint8_t, kImageSize>;

// The two images of a configurator session: the one that encoding fills and
// "Write config" sends, and the one that "Read config" fills and decoding reads.
// They are distinct so that a read never overwrites what was encoded for writing.
struct ConfigImages {
    ConfigImage writeImage{};
    ConfigImage readImage{};
};

}  // namespace zeru
