// SPDX-License-Identifier: GPL-3.0-or-later
// What the "Problems" and "Changes" lists share: columns that fit their text
// with room between them, and a line that says the list is empty.
#pragma once

#include <QString>

class QLabel;
class QTreeWidget;

namespace zeru::app {

// Fits the first `columns` columns to their text, with a gap of two
// characters before the next column.
void fitColumns(QTreeWidget& list, int columns);

// A text shown in the middle of `list` while it has no line ("No problems.").
QLabel* createEmptyListText(QTreeWidget& list, const QString& text);

}  // namespace zeru::app
