// SPDX-License-Identifier: GPL-3.0-or-later
// The window's search box and field resets by keyboard: Ctrl+F, the words,
// Enter lands the focus in the field on its page; Ctrl+Shift+R and
// Ctrl+Shift+L set the focused field back, its rule settled.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>

#include "app/feedback/field_resets.h"
#include "app/feedback/window_feedback.h"
#include "app/search/search_box.h"
#include "window_fixture.h"

namespace zeru::app::test {
namespace {

class SearchAndResetInWindow : public StartedWindow {
protected:
    void SetUp() override {
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    QWidget* focused() const { return QApplication::focusWidget(); }
    FieldFeedback& fields() { return form->feedback().fields(); }
};

TEST_F(SearchAndResetInWindow, CtrlFTypingAndEnterLandInTheField) {
    struct Case {
        const char* words;
        const char* field;
        const char* firstHit;
    };
    const Case cases[] = {
        {"beacon 2 path", "Beacon2_path1_string", "Beacons › Beacon 2 › Path 1  —  WIDE1"},
        {"kiss baud", "Kiss_baudrate",
         "External interfaces › KISS › KISS baudrate  —  9600"},   // a nested tab
        {"preamble", "Txdelay", "Radio › TX delay [ms]  —  250"},  // found by its tooltip
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.words);
        find("Callsign")->setFocus();
        QTest::keyClick(focused(), Qt::Key_F, Qt::ControlModifier);
        auto* box = find<SearchBox>("SearchBox");
        ASSERT_TRUE(box->isVisible());
        ASSERT_EQ(focused(), find("SearchLine"));
        QTest::keyClick(focused(), Qt::Key_A,
                        Qt::ControlModifier);  // the last words are selected: typed over
        QTest::keyClicks(focused(), QString::fromUtf8(c.words));
        ASSERT_GT(box->hits().count(), 0);
        EXPECT_EQ(box->hits().item(0)->text().toStdString(), c.firstHit);
        QTest::keyClick(focused(), Qt::Key_Return);
        EXPECT_FALSE(box->isVisible());
        QWidget* field = find(c.field);
        EXPECT_EQ(focused(), field);
        EXPECT_TRUE(field->isVisible()) << "its page and tab are shown";
        EXPECT_NE(field->parentWidget()->findChild<QWidget*>("FieldHighlight"), nullptr);
    }
}

TEST_F(SearchAndResetInWindow, EscapeGivesTheFocusBackAndDownChoosesTheNextHit) {
    find("Latitude")->setFocus();
    QTest::keyClick(focused(), Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(focused(), QStringLiteral("baud"));
    QTest::keyClick(focused(), Qt::Key_Escape);
    EXPECT_FALSE(find("SearchBox")->isVisible());
    EXPECT_EQ(focused(), find("Latitude"));
    QTest::keyClick(focused(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(find<QLineEdit>("SearchLine")->text(), QStringLiteral("baud"));  // kept for the next search
    QTest::keyClick(focused(), Qt::Key_Down);
    QTest::keyClick(focused(), Qt::Key_Enter);
    EXPECT_EQ(focused(), find("Console_baudrate"));  // the second hit
}

TEST_F(SearchAndResetInWindow, ShortcutsSetTheFocusedFieldBackAsAPick) {
    auto* resets = form->findChild<FieldResets*>();
    ASSERT_NE(resets, nullptr);
    Settings& settings = form->settings();
    struct Case {
        SettingId setting;
        QKeySequence keys;
        std::function<void()> change;
        std::function<bool()> after;
        std::size_t boxes;  // messages of the rules that followed
    };
    // "Last read": the window holds a file's values, then the user changes them.
    settings.setText(SettingId::Callsign, "OK1ZRU");
    settings.setIndex(SettingId::Serial1_mode, 0);
    fields().takeBaseline();
    const Case cases[] = {
        {SettingId::Callsign, FieldResets::kResetKeys, [&] { settings.setText(SettingId::Callsign, "SP9X"); },
         [&] { return settings.text(SettingId::Callsign) == "NOCALL"; }, 0},
        {SettingId::Callsign, FieldResets::kLastReadKeys,
         [&] { settings.setText(SettingId::Callsign, "SP9X"); },
         [&] { return settings.text(SettingId::Callsign) == "OK1ZRU"; }, 0},
        // RS-232 back to Serial console while Bluetooth holds it: the port rule takes it from Bluetooth.
        {SettingId::Serial1_mode, FieldResets::kResetKeys,
         [&] { settings.setIndex(SettingId::Serial2_mode, 1); },
         [&] {
             return settings.index(SettingId::Serial1_mode) == 2 &&
                    settings.index(SettingId::Serial2_mode) == 0;
         },
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(settingName(c.setting)) + " " + c.keys.toString().toStdString());
        c.change();
        QWidget* field = fields().field(c.setting);
        fields().showSetting(c.setting, false);
        ASSERT_EQ(focused(), field);
        const std::size_t boxesBefore = ui.boxes().size();
        QTest::keySequence(field, c.keys);
        EXPECT_TRUE(c.after());
        EXPECT_EQ(ui.boxes().size() - boxesBefore, c.boxes);
    }
}

TEST_F(SearchAndResetInWindow, TheMenuOffersWhatWouldChangeSomething) {
    auto* resets = form->findChild<FieldResets*>();
    ASSERT_NE(resets, nullptr);
    const auto entries = [&](SettingId setting) {
        std::unique_ptr<QMenu> menu(resets->createMenu(setting, form.get()));
        const QList<QAction*> actions = menu->actions();
        std::vector<std::pair<std::string, bool>> out;
        for (QAction* a : actions.mid(actions.size() - 2))
            out.emplace_back(a->text().toStdString() + " " + a->shortcut().toString().toStdString(),
                             a->isEnabled());
        return out;
    };
    using Entries = std::vector<std::pair<std::string, bool>>;
    // At start-up: nothing read to go back to, and every field at its default.
    EXPECT_EQ(entries(SettingId::Ptt), (Entries{{"Reset to default Ctrl+Shift+R", false},
                                                {"Back to the last read Ctrl+Shift+L", false}}));
    form->settings().setIndex(SettingId::Ptt, 1);
    fields().takeBaseline();
    form->settings().setIndex(SettingId::Ptt, 0);
    EXPECT_EQ(entries(SettingId::Ptt), (Entries{{"Reset to default Ctrl+Shift+R", false},
                                                {"Back to the last read Ctrl+Shift+L", true}}));
    EXPECT_EQ(entries(SettingId::Callsign).size(), 2U);  // after a text field's own entries
}

}  // namespace
}  // namespace zeru::app::test
