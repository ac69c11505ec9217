// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/widgets/page_scroller.h"

#include <QTabWidget>

namespace zeru::app {

PageScroller::PageScroller(QWidget* page) {
    setObjectName(page->objectName() + QStringLiteral("_scroller"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setWidget(page);
}

QSize PageScroller::sizeHint() const {
    // QScrollArea caps its hint at a few dozen lines of text: a page is asked for whole.
    const QWidget* page = widget();
    if (!page) return QScrollArea::sizeHint();
    const int frame = 2 * frameWidth();
    return page->minimumSizeHint().expandedTo(page->minimumSize()) + QSize(frame, frame);
}

QWidget* pageAt(const QTabWidget& tabs, int index) {
    QWidget* tab = tabs.widget(index);
    if (auto* scroller = qobject_cast<PageScroller*>(tab)) return scroller->widget();
    return tab;
}

}  // namespace zeru::app
