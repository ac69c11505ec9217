// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/widgets/text_size.h"

#include <QFontMetrics>
#include <QScreen>
#include <QWidget>

namespace zeru::app {

QSize sizeForText(const QWidget& window, const QFont& font, int columns, int lines) {
    const QFontMetrics metrics(font);
    QSize size(metrics.averageCharWidth() * columns, metrics.lineSpacing() * lines);
    if (const QScreen* screen = window.screen()) size = size.boundedTo(screen->availableSize() * 0.9);
    return size;
}

QSize sizeForText(const QWidget& window, int columns, int lines) {
    return sizeForText(window, window.font(), columns, lines);
}

}  // namespace zeru::app
