// SPDX-License-Identifier: GPL-3.0-or-later
// The window at its natural size shows every page whole, also once edits have
// brought marks and hints; on small screens the pages scroll below their tab
// bars and the command row stays whole.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>

#include "app/aprs/smart_beaconing_chart.h"
#include "app/aprs/symbol_picker.h"
#include "app/feedback/changes_window.h"
#include "app/feedback/problems_window.h"
#include "app/feedback/window_feedback.h"
#include "app/widgets/page_scroller.h"
#include "app/widgets/place_beside.h"
#include "support/recording_ui.h"
#include "window_fixture.h"

namespace zeru::app::test {
namespace {

using WindowFit = StartedWindow;

// Every leaf page's scroller, shown in turn.
template <typename Visit>
void forEachPage(QTabWidget& top, Visit visit) {
    for (int i = 0; i < top.count(); ++i) {
        top.setCurrentIndex(i);
        auto* nested = pageAt(top, i)->findChild<QTabWidget*>();
        for (int j = 0; j < (nested ? nested->count() : 1); ++j) {
            if (nested) nested->setCurrentIndex(j);
            QApplication::processEvents();
            visit(*static_cast<PageScroller*>(nested ? nested->widget(j) : top.widget(i)));
        }
    }
}

bool scrolls(const PageScroller& page) {
    return page.horizontalScrollBar()->maximum() > 0 || page.verticalScrollBar()->maximum() > 0;
}

// The buttons whose caption is cut: narrower than their text asks.
QStringList cutButtons(const QWidget& within) {
    QStringList cut;
    for (const QPushButton* b : within.findChildren<QPushButton*>())
        if (b->isVisible() && b->width() < b->sizeHint().width()) cut << b->objectName();
    return cut;
}

// At 9 and 16 points (and, run by ctest, at scale 1.5 and 2).
class NaturalSize : public ::testing::TestWithParam<int> {
protected:
    NaturalSize() {
        QFont font = saved_;
        font.setPointSize(GetParam());
        QApplication::setFont(font);
        form = buildMainWindow(ui);
    }
    ~NaturalSize() override {
        form.reset();
        QApplication::setFont(saved_);
    }
    const QFont saved_ = QApplication::font();
    zeru::test::RecordingUi ui;
    std::unique_ptr<MainWindow> form;
};

TEST_P(NaturalSize, NoPageScrollsAndNoCaptionIsCutEvenAfterEdits) {
    form->show();
    form->fitToScreen(QSize(8000, 6000));
    const QSize natural = form->size();
    forEachPage(*form->findChild<QTabWidget*>(QStringLiteral("PageControl1")), [&](PageScroller& page) {
        SCOPED_TRACE(page.objectName().toStdString());
        EXPECT_FALSE(scrolls(page));
        // Every field at its longest, in the widest letter: marks and hints everywhere.
        for (QLineEdit* field : page.widget()->findChildren<QLineEdit*>())
            if (field->isEnabled() && !field->isReadOnly())
                field->setText(QString(std::min(field->maxLength(), 40), QLatin1Char('W')));
        form->feedback().fields().refresh();
        QApplication::processEvents();
        EXPECT_FALSE(scrolls(page)) << "an edit brought scroll bars";
        EXPECT_EQ(form->size(), natural);
        EXPECT_EQ(cutButtons(*form), QStringList());
    });
}

INSTANTIATE_TEST_SUITE_P(PointSizes, NaturalSize, ::testing::Values(9, 16));

// The tool windows' first sizes, each at the current font.
std::vector<std::pair<std::string, QSize>> toolWindowSizes(MainWindow& form) {
    std::array<QLineEdit, 7> edits;
    SmartBeaconingFields fields;
    for (std::size_t i = 0; i < fields.size(); ++i) fields[i] = &edits[i];
    SmartBeaconingWindow chart(fields, &form);
    SymbolPickerDialog picker(&form);
    return {{"Problems", form.feedback().showProblems().size()},
            {"Changes", form.feedback().showChanges().size()},
            {"SmartBeaconing", chart.size()},
            {"Symbols", picker.size()}};
}

// Sized in characters, they grow with the font, and at 16 points still fit the
// offscreen screen (800x600, about 1280x800 at scale 1.5).
TEST_F(WindowFit, ToolWindowsOpenAsLargeAsTheirFontAsksButNoLargerThanTheScreen) {
    const QFont saved = QApplication::font();
    const QSize screen = QApplication::primaryScreen()->availableSize();
    std::vector<std::vector<std::pair<std::string, QSize>>> bySize;
    for (int points : {9, 16}) {
        QFont font = saved;
        font.setPointSize(points);
        QApplication::setFont(font);
        auto window = buildMainWindow(ui);
        bySize.push_back(toolWindowSizes(*window));
    }
    QApplication::setFont(saved);
    for (std::size_t w = 0; w < bySize[0].size(); ++w) {
        SCOPED_TRACE(bySize[0][w].first);
        const QSize small = bySize[0][w].second, large = bySize[1][w].second;
        // Wider with the font, unless the screen already holds it back.
        EXPECT_TRUE(large.width() > small.width() || large.width() >= screen.width() * 9 / 10)
            << large.width();
        EXPECT_GT(large.height(), small.height());
        EXPECT_LE(large.width(), screen.width());
        EXPECT_LE(large.height(), screen.height());
    }
}

TEST_F(WindowFit, OnSmallScreensPagesScrollBelowTheirTabsAndTheCommandsStayWhole) {
    form->show();
    auto* top = find<QTabWidget>("PageControl1");
    // 1024x600, and 1366x768 and 1280x800 at scale 1.5, less the desktop's panels.
    for (const QSize screen : {QSize(1024, 560), QSize(910, 480), QSize(853, 500)}) {
        SCOPED_TRACE(testing::Message() << screen.width() << "x" << screen.height());
        form->fitToScreen(screen);
        QApplication::processEvents();
        EXPECT_LE(form->width(), screen.width());
        EXPECT_LE(form->height(), screen.height());
        EXPECT_EQ(cutButtons(*form), QStringList());
        for (int i = 0; i < 6; ++i) {
            const QPushButton* b = form->commandButton(static_cast<CommandButton>(i));
            EXPECT_TRUE(form->rect().contains(QRect(b->mapTo(form.get(), QPoint(0, 0)), b->size())))
                << b->objectName().toStdString();
        }
        bool anyScrolls = false;
        forEachPage(*top, [&](PageScroller& page) {
            anyScrolls = anyScrolls || scrolls(page);
            EXPECT_TRUE(top->tabBar()->isVisible());
        });
        EXPECT_EQ(anyScrolls, screen.width() < 1000) << "the widest page fits only the widest screen";
    }
}

TEST_F(WindowFit, TheLogTakesTheHeightLeftOverAndKeepsItsShareInTheLayout) {
    form->show();
    form->fitToScreen(QSize(4000, 3000));
    auto* log = find("Memo1");
    const int pages = find("PageControl1")->height();
    const int logHeight = log->height();
    form->resize(form->width(), form->height() + 200);
    QApplication::processEvents();
    EXPECT_EQ(find("PageControl1")->height(), pages);
    EXPECT_EQ(log->height(), logHeight + 200);

    // The window's size and the splitter come back as they were left.
    auto* splitter = find<QSplitter>("Splitter_log");
    splitter->setSizes({pages - 40, logHeight + 240});
    const QByteArray layout = form->saveLayout();
    const QList<int> sizes = splitter->sizes();
    ui.events.clear();
    auto other = buildMainWindow(ui);
    EXPECT_TRUE(other->restoreLayout(layout));
    other->show();
    QApplication::processEvents();
    EXPECT_EQ(other->size(), form->size());
    EXPECT_EQ(other->findChild<QSplitter*>(QStringLiteral("Splitter_log"))->sizes(), sizes);
    EXPECT_FALSE(other->restoreLayout(QByteArray("not a layout")));
}

TEST(PlaceBeside, AToolWindowOpensBesideWhatItIsAboutWhereTheScreenHasRoom) {
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    QWidget anchor;
    anchor.setGeometry(QRect(screen.topLeft() + QPoint(20, 20), QSize(200, 150)));
    anchor.show();
    struct Row {
        QPoint at;  // the anchor's place on the screen
        bool right;
    };
    for (const Row& r :
         {Row{screen.topLeft() + QPoint(20, 20), true}, Row{screen.topRight() - QPoint(220, -20), false}}) {
        anchor.move(r.at);
        QWidget tool;
        tool.resize(250, 120);
        placeBeside(tool, anchor);
        EXPECT_EQ(tool.x() > anchor.x(), r.right);
        EXPECT_FALSE(QRect(tool.pos(), tool.size()).intersects(anchor.frameGeometry()));
    }
}

}  // namespace
}  // namespace zeru::app::test
