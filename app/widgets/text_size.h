// SPDX-License-Identifier: GPL-3.0-or-later
// A tool window's first size, counted in characters and lines of its own
// font, so that it grows with the font and the display scale as its text
// does; never more than the screen it opens on.
#pragma once

#include <QSize>

class QFont;
class QWidget;

namespace zeru::app {

// `columns` average characters of `font` by `lines` lines, no larger than
// nine tenths of the available part of `window`'s screen (room for the frame).
QSize sizeForText(const QWidget& window, const QFont& font, int columns, int lines);
// The same in the window's own font.
QSize sizeForText(const QWidget& window, int columns, int lines);

}  // namespace zeru::app
