// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/widgets/place_beside.h"

#include <QRect>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace zeru::app {

void placeBeside(QWidget& window, const QWidget& anchor) {
    const QScreen* screen = anchor.screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    // The anchor as it stands on the screen: a whole window with its frame.
    const QRect around =
        anchor.isWindow() ? anchor.frameGeometry() : QRect(anchor.mapToGlobal(QPoint(0, 0)), anchor.size());
    // Not shown yet: the frame is about the window's size; a little room for it.
    const QSize size = window.size().expandedTo(window.sizeHint()) + QSize(16, 40);
    const int gap = 8;
    const int top =
        std::clamp(around.top(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height()));
    QPoint at;
    if (around.right() + gap + size.width() <= area.right() + 1) {
        at = QPoint(around.right() + 1 + gap, top);
    } else if (around.left() - gap - size.width() >= area.left()) {
        at = QPoint(around.left() - gap - size.width(), top);
    } else if (around.bottom() + gap + size.height() <= area.bottom() + 1) {
        at = QPoint(
            std::clamp(around.left(), area.left(), std::max(area.left(), area.right() + 1 - size.width())),
            around.bottom() + 1 + gap);
    } else {
        // No room anywhere: the side with more of the screen left over.
        const bool right = area.right() - around.right() >= around.left() - area.left();
        at = QPoint(right ? area.right() + 1 - size.width() : area.left(), top);
    }
    window.move(at);
}

}  // namespace zeru::app
