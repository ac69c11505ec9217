// SPDX-License-Identifier: GPL-3.0-or-later
// The pages' buttons that the window wires, handed over by the pages as the
// page tree is built.
#pragma once

#include <array>

class QPushButton;

namespace zeru::app {

struct PageButtons {
    QPushButton* specialStrings = nullptr;
    std::array<QPushButton*, 5> analogDefaults{};   // channels 1 to 5
    std::array<QPushButton*, 8> digitalDefaults{};  // channels 1 to 8
};

}  // namespace zeru::app
