// SPDX-License-Identifier: GPL-3.0-or-later
// The reference card of the placeholders a beacon message may hold, shown by
// the "Special strings" button on the "Beacons" page.
#pragma once

#include <span>
#include <string_view>

namespace zeru::rules {

inline constexpr std::string_view kSpecialStringsTitle = "Beacon special strings";

struct SpecialStringLine {
    std::string_view text;
    bool wraps;        // a long line that may wrap; the others keep one line
    bool standsApart;  // the example: a little space above it
};

// The card's lines, top to bottom.
std::span<const SpecialStringLine> specialStringLines();

}  // namespace zeru::rules
