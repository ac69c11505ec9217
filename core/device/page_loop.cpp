// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/page_loop.h"

namespace zeru {

std::string pageLine(std::string_view prefix, std::size_t pageFromOne, std::size_t pageCount) {
    std::string line(prefix);
    line += std::to_string(pageFromOne);
    line += '/';
    line += std::to_string(pageCount);
    return line;
}

std::size_t runPageLoop(UserInterface& ui, std::size_t pageCount, const PageLoopLines& lines,
                        const std::function<bool(std::size_t)>& transferPage) {
    ui.setProgress(0);
    ui.setProgressRange(0, static_cast<int>(pageCount));
    for (std::size_t n = 0; n < pageCount; ++n) {
        // The window repaints its log and progress bar; input aimed at it
        // while a command runs is dropped, so no other command can start.
        ui.processEvents();
        if (!transferPage(n)) {
            if (!lines.failed.empty()) ui.log(Message::fromUtf8(pageLine(lines.failed, n + 1, pageCount)));
            return n;
        }
        ui.log(Message::fromUtf8(pageLine(lines.done, n + 1, pageCount)));
        ui.stepProgress();
    }
    if (!lines.success.empty()) ui.log(Message::fromUtf8(lines.success));
    ui.setProgress(0);
    return pageCount;
}

}  // namespace zeru
