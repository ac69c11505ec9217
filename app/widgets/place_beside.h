// SPDX-License-Identifier: GPL-3.0-or-later
// Where a tool window opens: beside what it is about, never over it, so that
// the field it shows or the values it follows stay in view.
#pragma once

class QWidget;

namespace zeru::app {

// Moves `window` (not yet shown) next to `anchor` on the anchor's screen: to
// its right where there is room, else to its left, else below it, else
// against the screen edge farthest from it.
void placeBeside(QWidget& window, const QWidget& anchor);

}  // namespace zeru::app
