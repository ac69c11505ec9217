// SPDX-License-Identifier: GPL-3.0-or-later
// Settings over the widgets: whole texts, Latin-1, selections, enabled state,
// and the beacon message field's refusals.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "app/fields/beacon_message_edit.h"
#include "window_fixture.h"

namespace zeru::app::test {
namespace {

using WidgetSettingsTest = StartedWindow;

TEST_F(WidgetSettingsTest, ProgramTextLongerThanTheLimitIsKeptWholeButNotTypedPast) {
    Settings& s = form->settings();
    s.setText(SettingId::Callsign, "ABCDEFGHIJ");
    EXPECT_EQ(s.text(SettingId::Callsign), "ABCDEFGHIJ");
    auto* line = find<QLineEdit>("Callsign");
    line->setFocus();
    line->end(false);
    QTest::keyClicks(line, "K");
    EXPECT_EQ(s.text(SettingId::Callsign), "ABCDEFGHIJ");
    for (int i = 0; i < 5; ++i) QTest::keyClick(line, Qt::Key_Backspace);
    QTest::keyClicks(line, "XYZ");
    EXPECT_EQ(s.text(SettingId::Callsign), "ABCDEX") << "typing stops at the catalogued limit again";

    const std::string longMessage(130, 'm');
    s.setText(SettingId::Beacon2_message, longMessage);
    EXPECT_EQ(s.text(SettingId::Beacon2_message), longMessage);
    auto* message = find<BeaconMessageEdit>("Beacon2_message");
    message->moveCursor(QTextCursor::End);
    QTest::keyClicks(message, "x");
    EXPECT_EQ(s.text(SettingId::Beacon2_message), longMessage);
}

TEST_F(WidgetSettingsTest, TextsAreLatin1AtTheEdge) {
    const std::string text = "Z\xfcrich \xb0";  // "Zürich °" in Latin-1
    form->settings().setText(SettingId::Weather_comment, text);
    EXPECT_EQ(find<QLineEdit>("Weather_comment")->text(), QString::fromUtf8("Z\xc3\xbcrich \xc2\xb0"));
    EXPECT_EQ(form->settings().text(SettingId::Weather_comment), text);
}

TEST_F(WidgetSettingsTest, IndexOutsideTheListSelectsNothing) {
    Settings& s = form->settings();
    for (int bad : {-5, -1, 5, 99}) {
        s.setIndex(SettingId::Serial1_mode, 1);
        s.setIndex(SettingId::Serial1_mode, bad);
        EXPECT_EQ(s.index(SettingId::Serial1_mode), -1) << bad;
        EXPECT_EQ(find<QComboBox>("Serial1_mode")->currentIndex(), -1);
    }
    s.setIndex(SettingId::Serial1_mode, 4);
    EXPECT_EQ(find<QComboBox>("Serial1_mode")->currentText(), QStringLiteral("KISS"));
}

TEST_F(WidgetSettingsTest, UnknownNamesAndWrongKindsAreRefused) {
    Settings& s = form->settings();
    EXPECT_THROW(s.setEnabled("No_such_setting", false), std::out_of_range);
    EXPECT_THROW(s.index(SettingId::Callsign), std::logic_error);
    EXPECT_THROW(s.setText(SettingId::Serial1_mode, "x"), std::logic_error);
}

TEST_F(WidgetSettingsTest, EnabledStateOfSettingsAndLabels) {
    Settings& s = form->settings();
    s.setEnabled("Label_mice_message2", false);
    EXPECT_FALSE(find("Label_mice_message2")->isEnabled());
    EXPECT_FALSE(s.isEnabled("Label_mice_message2"));
    s.setEnabled(SettingId::Beacon3_txrate, false);
    s.setText(SettingId::Beacon3_txrate, "12");
    EXPECT_EQ(s.text(SettingId::Beacon3_txrate), "12") << "a disabled field still holds its value";
}

class BeaconMessageTest : public StartedWindow {
protected:
    BeaconMessageEdit* message = find<BeaconMessageEdit>("Beacon4_message");
};

TEST_F(BeaconMessageTest, EnterInsertsNoLineBreak) {
    QTest::keyClicks(message, "ab");
    QTest::keyClick(message, Qt::Key_Return);
    QTest::keyClick(message, Qt::Key_Enter);
    QTest::keyClick(message, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(message, "c");
    EXPECT_EQ(message->toPlainText(), QStringLiteral("abc"));
}

TEST_F(BeaconMessageTest, PastedLineBreaksAreDroppedAndTheLimitHolds) {
    QApplication::clipboard()->setText(QStringLiteral("one\r\ntwo\nthree\r"));
    message->paste();
    EXPECT_EQ(message->toPlainText(), QStringLiteral("onetwothree"));
    QApplication::clipboard()->setText(QString(200, QLatin1Char('p')));
    message->paste();
    EXPECT_EQ(message->toPlainText().size(), 96);
    EXPECT_TRUE(message->toPlainText().startsWith(QStringLiteral("onetwothreeppp")));
}

TEST_F(BeaconMessageTest, TypingOverASelectionAtTheLimitReplacesIt) {
    form->settings().setText(SettingId::Beacon4_message, std::string(96, 'a'));
    message->selectAll();
    QTest::keyClicks(message, "b");
    EXPECT_EQ(message->toPlainText(), QStringLiteral("b"));
}

TEST_F(BeaconMessageTest, ShowsTwoWrappedLines) {
    EXPECT_EQ(message->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_GE(message->height(), 2 * message->fontMetrics().lineSpacing());
    EXPECT_LT(message->height(), 3 * message->fontMetrics().lineSpacing() + 12);
}

}  // namespace
}  // namespace zeru::app::test
