// SPDX-License-Identifier: GPL-3.0-or-later
// The write stamp: a fresh number 0..9999 in every encoded image.
#pragma once

#include <cstdint>
#include <ctime>

namespace zeru {

// One draw of a generator seeded with `seconds`: the same second gives the same stamp.
std::uint16_t drawWriteStamp(std::time_t seconds);
// drawWriteStamp of the current time.
std::uint16_t drawWriteStamp();

}  // namespace zeru
