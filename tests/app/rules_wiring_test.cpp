// SPDX-License-Identifier: GPL-3.0-or-later
// The rules run when the user changes a choice or presses a "Default
// parameters" button, and never when the program writes a setting.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "window_fixture.h"

namespace zeru::app::test {
namespace {

using Event = zeru::test::RecordingUi::Event;
using RulesInWindow = StartedWindow;

// The user picks an entry: the list changes and emits `activated`, as a mouse
// pick does.
void pick(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
}

TEST_F(RulesInWindow, PortRulesFollowTheUsersPick) {
    struct Row {
        const char* picked;
        int index;
        int rs232Before, bluetoothBefore;
        int rs232After, bluetoothAfter;
        std::vector<std::string> boxes;
    };
    const std::string rsNone = "RS-232 port 2 changed to None.\rReason:\r";
    const std::string btNone = "Bluetooth port 1 changed to None.\rReason:\r";
    const std::string console = "Serial console can be selected on one port only.";
    const std::string kiss = "KISS packet output can be selected on one port only.";
    const Row rows[] = {
        {"Serial2_mode", 1, 2, 2, 0, 1, {rsNone + console}},
        {"Serial1_mode", 4, 2, 2, 4, 0, {btNone + kiss}},
        {"Serial2_mode", 3, 3, 2, 3, 3, {}},  // GPS already there
        {"Serial2_mode",
         3,
         4,
         2,
         3,
         3,
         {"RS-232 port 2 changed to GPS.\rReason:\rGPS passthrough function on Bluetooth 1 port needs a GPS "
          "connected to RS-232 port 2."}},
        {"Serial1_mode", 0, 3, 3, 0, 3, {}},  // no chain: the pair stays inconsistent
        {"Weather_stationtype", 5, 2, 2, 2, 2, {}},
        {"Weather_stationtype", 1, 2, 1, 2, 0, {btNone + console}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.picked) + " " + std::to_string(row.index));
        form->settings().setIndex(SettingId::Serial1_mode, row.rs232Before);
        form->settings().setIndex(SettingId::Serial2_mode, row.bluetoothBefore);
        ui.events.clear();
        pick(find<QComboBox>(row.picked), row.index);
        EXPECT_EQ(form->settings().index(SettingId::Serial1_mode), row.rs232After);
        EXPECT_EQ(form->settings().index(SettingId::Serial2_mode), row.bluetoothAfter);
        EXPECT_EQ(ui.texts(Event::Information), row.boxes);
    }
}

TEST_F(RulesInWindow, KeyboardChangeOfAPortRunsItsRule) {
    auto* bluetooth = find<QComboBox>("Serial2_mode");  // "KISS"
    QTest::keyClick(bluetooth, Qt::Key_Up);             // "Serial console"
    EXPECT_EQ(bluetooth->currentIndex(), 1);
    EXPECT_EQ(form->settings().index(SettingId::Serial1_mode), 0);
    EXPECT_EQ(ui.texts(Event::Information).size(), 1u);
}

TEST_F(RulesInWindow, ProgramWritesRunNoRule) {
    form->settings().setIndex(SettingId::Serial2_mode, 1);  // both "Serial console" now
    form->settings().setIndex(SettingId::Weather_stationtype, 3);
    form->settings().setIndex(SettingId::Position_report_encoding, 2);
    EXPECT_EQ(form->settings().index(SettingId::Serial1_mode), 2);
    EXPECT_TRUE(ui.events.empty());
    EXPECT_TRUE(form->settings().isEnabled(SettingId::Mice_message));
    EXPECT_FALSE(form->settings().isEnabled(SettingId::Position_time));
}

TEST_F(RulesInWindow, EncodingSwitchesItsFieldsAndKeepsTheirValues) {
    struct Row {
        int encoding;
        bool micE;
    };
    form->settings().setIndex(SettingId::Mice_message, 4);
    for (const Row row : {Row{2, false}, Row{1, false}, Row{0, true}}) {
        pick(find<QComboBox>("Position_report_encoding"), row.encoding);
        for (const char* name : {"Mice_message", "Label_mice_message1", "Label_mice_message2"})
            EXPECT_EQ(form->settings().isEnabled(name), row.micE) << name << " " << row.encoding;
        for (const char* name : {"Position_time", "Label_position_time"})
            EXPECT_EQ(form->settings().isEnabled(name), !row.micE) << name << " " << row.encoding;
        EXPECT_EQ(form->settings().index(SettingId::Mice_message), 4);
        EXPECT_EQ(form->settings().index(SettingId::Position_time), 2);
    }
    pick(find<QComboBox>("Position_report_mode"), 0);  // "Disabled" switches nothing
    EXPECT_TRUE(find("Smartbeaconing_turn_slope")->isEnabled());
    EXPECT_TRUE(find("Position_report_interval")->isEnabled());
}

TEST_F(RulesInWindow, DefaultParametersButtonsFillOnlyTheirChannel) {
    Settings& s = form->settings();
    pick(find<QComboBox>("Teleanalog3_source"), 6);  // a pick alone applies no preset
    s.setText(SettingId::Teleanalog3_name, "mine");
    EXPECT_EQ(s.text(SettingId::Teleanalog3_name), "mine");
    s.setIndex(SettingId::Teleanalog3_average, 1);
    QTest::mouseClick(find<QPushButton>("Button_teleanalog3_default"), Qt::LeftButton);
    EXPECT_EQ(s.text(SettingId::Teleanalog3_name), "I2");
    EXPECT_EQ(s.text(SettingId::Teleanalog3_units), "mA");
    EXPECT_EQ(s.text(SettingId::Teleanalog3_coefa), "0");
    EXPECT_EQ(s.text(SettingId::Teleanalog3_coefb), "4.88");
    EXPECT_EQ(s.text(SettingId::Teleanalog3_coefc), "0");
    EXPECT_EQ(s.index(SettingId::Teleanalog3_average), 0);
    EXPECT_EQ(s.text(SettingId::Teleanalog2_name), "A2");
    EXPECT_EQ(s.text(SettingId::Teleanalog4_name), "A4");

    s.setIndex(SettingId::Teledigital7_source, 0);
    s.setIndex(SettingId::Teledigital2_source, 0);
    QTest::mouseClick(find<QPushButton>("Button_teledigital7_default"), Qt::LeftButton);
    EXPECT_EQ(s.text(SettingId::Teledigital7_name), "B7");
    EXPECT_EQ(s.text(SettingId::Teledigital7_units), "Non");
    EXPECT_EQ(s.text(SettingId::Teledigital2_name), "O2") << "another channel's button was not pressed";
    QTest::mouseClick(find<QPushButton>("Button_teledigital2_default"), Qt::LeftButton);
    EXPECT_EQ(s.text(SettingId::Teledigital2_units), "None");
    EXPECT_TRUE(ui.events.empty());
}

TEST_F(RulesInWindow, AttachedCommandsRunAndTheirFailuresAreShown) {
    int runs = 0;
    form->setCommand(CommandButton::ReadConfig, [&] { ++runs; });
    form->setCommand(CommandButton::WriteConfig,
                     [] { throw std::runtime_error("'x' is not a valid integer value"); });
    QTest::mouseClick(form->commandButton(CommandButton::ReadConfig), Qt::LeftButton);
    QTest::mouseClick(form->commandButton(CommandButton::WriteConfig), Qt::LeftButton);
    QTest::mouseClick(form->commandButton(CommandButton::UploadFirmware),
                      Qt::LeftButton);  // nothing attached
    QTest::mouseClick(form->commandButton(CommandButton::ReadConfig), Qt::LeftButton);
    EXPECT_EQ(runs, 2) << "the window goes on after a failed command";
    EXPECT_EQ(ui.events, (std::vector<Event>{{Event::Error, "'x' is not a valid integer value."}}));
}

}  // namespace
}  // namespace zeru::app::test
