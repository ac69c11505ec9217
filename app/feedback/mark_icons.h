// SPDX-License-Identifier: GPL-3.0-or-later
// The marks the window puts beside fields, on tabs and in lists: each has a
// shape of its own (a disc, a triangle, a diamond), so that it reads without
// colour, and an outline that stands out on light and dark palettes. Drawn
// with QPainter, so they stay sharp at any scale.
#pragma once

#include <QIcon>
#include <QRectF>

class QPainter;

namespace zeru::app {

enum class FieldMark {
    Error,    // "Write config" refuses the value: a disc with "!"
    Warning,  // advice: a triangle with "!"
    Change,   // differs from the last read, loaded, saved or written value: a diamond
};

// Draws `mark` inside `box` (a square).
void paintMark(QPainter& painter, const QRectF& box, FieldMark mark);

// The mark as an icon for tabs, buttons and list lines.
QIcon markIcon(FieldMark mark);

}  // namespace zeru::app
