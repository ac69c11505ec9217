// SPDX-License-Identifier: GPL-3.0-or-later
// The scroll area around one settings page inside its tab: where the window
// is smaller than the page, the page scrolls and its tab bar stays in view.
// It asks for the whole page as its size, so that the window's natural size
// shows every page without a scroll bar, yet lets the window be smaller.
#pragma once

#include <QScrollArea>

class QTabWidget;

namespace zeru::app {

class PageScroller : public QScrollArea {
    Q_OBJECT
public:
    // Takes `page`; named after it ("TabSheet_radio_scroller").
    explicit PageScroller(QWidget* page);

    QSize sizeHint() const override;
};

// The page shown by tab `index` of `tabs`, inside its scroller or not.
QWidget* pageAt(const QTabWidget& tabs, int index);

}  // namespace zeru::app
