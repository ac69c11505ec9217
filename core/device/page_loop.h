// SPDX-License-Identifier: GPL-3.0-or-later
// The loop that every page transfer runs (configuration write, read and read
// back, firmware upload): window events before each page, one log line per
// page, the progress bar following.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "interaction/user_interface.h"

namespace zeru {

struct PageLoopLines {
    std::string_view done;     // "Page written: " logged with "17/224" after each page
    std::string_view failed;   // "Page write error: " logged for the failing page; "" for none
    std::string_view success;  // logged after the last page; "" for none
};

// Runs `transferPage(n)` for n = 0 .. pageCount - 1 and stops at the first
// that returns false; the progress bar then keeps its position. After the
// last page the success line is logged and the bar is set back to 0. Returns
// how many pages were done (pageCount when all of them).
std::size_t runPageLoop(UserInterface& ui, std::size_t pageCount, const PageLoopLines& lines,
                        const std::function<bool(std::size_t)>& transferPage);

// "Page written: 17/224" and its kin: pages counted from 1.
std::string pageLine(std::string_view prefix, std::size_t pageFromOne, std::size_t pageCount);

}  // namespace zeru
