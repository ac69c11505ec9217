// SPDX-License-Identifier: GPL-3.0-or-later
// The window keeps its size where the screen has room for it and scrolls its
// pages inside a window that fits where it has not.
#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>

#include "window_fixture.h"

namespace zeru::app::test {
namespace {

using WindowFit = StartedWindow;

TEST_F(WindowFit, PagesScrollOnlyWhereTheScreenIsTooSmall) {
    form->show();
    form->fitToScreen(QSize(4000, 3000));
    const QSize natural = form->size();
    auto* scroller = find<QScrollArea>("ScrollBox_pages");
    struct Case {
        QSize available;
        bool scrolls;
    };
    const Case cases[] = {
        {QSize(4000, 3000), false},
        {natural, false},
        {QSize(natural.width() - 1, natural.height()), true},
        {QSize(natural.width(), natural.height() - 1), true},
        {QSize(600, 320), true},  // large fonts on a small screen
    };
    for (const Case& c : cases) {
        form->fitToScreen(c.available);
        QApplication::processEvents();
        SCOPED_TRACE(testing::Message() << c.available.width() << "x" << c.available.height());
        EXPECT_EQ(form->size(), c.scrolls ? natural.boundedTo(c.available) : natural);
        EXPECT_EQ(form->minimumSize(), form->maximumSize()) << "the frame has a fixed size";
        const int range =
            scroller->horizontalScrollBar()->maximum() + scroller->verticalScrollBar()->maximum();
        EXPECT_EQ(range > 0, c.scrolls);
    }
}

}  // namespace
}  // namespace zeru::app::test
