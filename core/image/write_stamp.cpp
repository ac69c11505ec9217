// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/write_stamp.h"

#include <random>

namespace zeru {

std::uint16_t drawWriteStamp(std::time_t seconds) {
    std::minstd_rand generator(static_cast<std::minstd_rand::result_type>(seconds));
    return static_cast<std::uint16_t>(generator() % 10000);
}

std::uint16_t drawWriteStamp() { return drawWriteStamp(std::time(nullptr)); }

}  // namespace zeru
