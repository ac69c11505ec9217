// SPDX-License-Identifier: GPL-3.0-or-later
// What the commands do around the flows: the baseline after a save, the
// question before closing, the field shown after a refusal, and the questions
// before an upload and before a Mic-E emergency write.
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>

#include "app/commands/session.h"
#include "app/feedback/window_feedback.h"
#include "cfgfile/config_file.h"
#include "cfgfile/temp_folder.h"
#include "device/fake_transport.h"
#include "device/upload_notice.h"
#include "settings/settings_model.h"
#include "window_fixture.h"

namespace zeru::app::test {
namespace {

using Event = zeru::test::RecordingUi::Event;

class SessionFeedback : public StartedWindow {
protected:
    SessionFeedback() {
        // The recent files the session keeps go to the test's folder, not the home folder.
        for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, QString::fromStdString(folder.path().string()));
        // And so do the backups ("Backups" makes their folder).
        qputenv("XDG_STATE_HOME", QByteArray::fromStdString(folder.file("state")));
        auto fake = std::make_unique<zeru::test::FakeTransport>();
        // One device that cannot be opened: whether anything was sent shows as an open.
        fake->devices = {{0x0483, 0xA050, "/dev/hidraw-test"}};
        fake->openFailure = "busy";
        transport = fake.get();
        session = createSessionOver(*form, ui, std::move(fake));
    }
    ~SessionFeedback() override {
        if (stateHome.isNull())
            qunsetenv("XDG_STATE_HOME");
        else
            qputenv("XDG_STATE_HOME", stateHome);
    }
    const QByteArray stateHome = qgetenv("XDG_STATE_HOME");
    zeru::test::TempFolder folder;
    zeru::test::FakeTransport* transport = nullptr;
    std::unique_ptr<CommandSession> session;
};

TEST_F(SessionFeedback, ClosingOverChangesAsksAndDoesAsAnswered) {
    struct Row {
        SaveAnswer answer;
        bool chooseFile;
        bool closes;
    };
    const Row rows[] = {{SaveAnswer::Cancel, true, false},
                        {SaveAnswer::Save, false, false},  // the save dialog cancelled
                        {SaveAnswer::Save, true, true},
                        {SaveAnswer::Discard, true, true}};
    int row = 0;
    for (const Row& r : rows) {
        SCOPED_TRACE(row);
        form->show();
        form->settings().setText(SettingId::Callsign, "OK1ZR" + std::to_string(row++));
        ui.events.clear();
        ui.saveChangesAnswer = r.answer;
        const std::string path = folder.file("closing.cfg");
        ui.saveAnswer = r.chooseFile ? std::optional(path) : std::nullopt;
        EXPECT_EQ(form->close(), r.closes);
        EXPECT_EQ(ui.texts(Event::Question),
                  std::vector<std::string>{"Save changes to a file before closing?"});
        EXPECT_EQ(std::filesystem::exists(path), r.answer == SaveAnswer::Save && r.chooseFile);
        std::filesystem::remove(path);
    }
    // Once saved, nothing is asked.
    form->show();
    form->settings().setText(SettingId::Callsign, "OK1ZRU");
    ui.saveAnswer = folder.file("saved.cfg");
    form->commandButton(CommandButton::SaveToFile)->click();
    ui.events.clear();
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(ui.texts(Event::Question).empty());
}

TEST_F(SessionFeedback, ARefusalShowsItsFieldWithTheTextSelected) {
    struct Row {
        CommandButton command;
        const char* setting;
        const char* text;
        const char* box;
    };
    const Row rows[] = {
        {CommandButton::WriteConfig, "Latitude", "5223.08X",
         "Our latitude - syntax error (ex. 5221.60N, format: DDMM.MM)."},
        {CommandButton::WriteConfig, "Teledata_txrate_rf", "1x", "'1x' is not a valid integer value."},
        {CommandButton::SaveToFile, "Weather_txrate", "x", "'x' is not a valid integer value."},
    };
    ui.saveAnswer = folder.file("refused.cfg");
    for (const Row& r : rows) {
        SCOPED_TRACE(r.setting);
        form->show();
        form->settings().setText(settingNamed(r.setting), r.text);
        ui.events.clear();
        form->commandButton(r.command)->click();
        EXPECT_EQ(ui.boxes(), std::vector<std::string>{r.box});
        auto* field = find<QLineEdit>(r.setting);
        EXPECT_TRUE(field->isVisible());
        EXPECT_EQ(field->selectedText(), QString::fromLatin1(r.text));
        EXPECT_TRUE(transport->opened.empty());
        form->settings().setText(settingNamed(r.setting),
                                 form->feedback().fields().baseline().text(settingNamed(r.setting)));
    }
}

TEST_F(SessionFeedback, DecliningAQuestionSendsNothing) {
    struct Row {
        CommandButton command;
        bool emergency;
        std::string question;
    };
    const Row rows[] = {
        {CommandButton::UploadFirmware, false, firmwareUploadQuestion()},
        {CommandButton::WriteConfig, true, ""},
    };
    for (const Row& r : rows) {
        if (r.emergency) {
            form->settings().setIndex(SettingId::Position_report_mode, 1);
            form->settings().setIndex(SettingId::Position_report_encoding, 0);
            form->settings().setIndex(SettingId::Mice_message, 7);
        }
        for (bool yes : {false, true}) {
            ui.events.clear();
            transport->opened.clear();
            ui.confirmAnswer = yes;
            form->commandButton(r.command)->click();
            ASSERT_EQ(ui.texts(Event::Question).size(), 1u);
            if (!r.question.empty()) {
                EXPECT_EQ(ui.texts(Event::Question)[0], r.question);
            }
            EXPECT_EQ(transport->opened.size(), yes ? 1u : 0u) << "answered " << yes;
        }
    }
    EXPECT_NE(firmwareUploadQuestion().find("1.02"), std::string::npos);
}

TEST_F(SessionFeedback, WhatReplacesUnsavedChangesAsksFirst) {
    const std::string saved = folder.file("other.cfg");
    SettingsModel other;
    other.setText(SettingId::Callsign, "OTHER");
    EXPECT_TRUE(cfgfile::saveConfigFile(other, saved));
    struct Row {
        const char* what;
        std::function<void()> act;
        std::function<bool()> replaced;  // whether it went on
    };
    const Row rows[] = {
        {"Read from file", [&] { form->commandButton(CommandButton::ReadFromFile)->click(); },
         [&] { return !ui.dialogs.empty(); }},
        {"a recent file or a drop", [&] { form->openFile(QString::fromStdString(saved)); },
         [&] { return form->settings().text(SettingId::Callsign) == "OTHER"; }},
        {"Backups", [&] { form->commandButton(CommandButton::Backups)->click(); },
         [&] { return !ui.dialogs.empty(); }},
        {"Read config", [&] { form->commandButton(CommandButton::ReadConfig)->click(); },
         [&] { return !transport->opened.empty(); }},
    };
    form->show();
    int edit = 0;
    for (const Row& r : rows) {
        for (const SaveAnswer answer : {SaveAnswer::Cancel, SaveAnswer::Discard}) {
            SCOPED_TRACE(testing::Message() << r.what << " " << static_cast<int>(answer));
            form->settings().setText(SettingId::Callsign, "EDIT" + std::to_string(edit++));
            ui.events.clear();
            ui.dialogs.clear();
            transport->opened.clear();
            ui.saveChangesAnswer = answer;
            ui.openAnswer = std::nullopt;
            r.act();
            EXPECT_EQ(ui.texts(Event::Question),
                      std::vector<std::string>{"Save changes to a file before they are replaced?"});
            EXPECT_EQ(r.replaced(), answer == SaveAnswer::Discard);
            form->feedback().fields().takeBaseline();
        }
    }
    // Without changes nothing is asked.
    ui.events.clear();
    form->openFile(QString::fromStdString(saved));
    EXPECT_TRUE(ui.texts(Event::Question).empty());
}

TEST_F(SessionFeedback, EachCommandStartsItsLogLinesWithItsNameAndTime) {
    transport->devices.clear();
    auto* log = find<QPlainTextEdit>("Memo1");
    for (int click = 0; click < 2; ++click) form->commandButton(CommandButton::ReadConfig)->click();
    // Upload with no device says so, and asks nothing.
    ui.events.clear();
    form->commandButton(CommandButton::UploadFirmware)->click();
    EXPECT_TRUE(ui.texts(Event::Question).empty());
    EXPECT_EQ(ui.boxes(), std::vector<std::string>{"Kestrovane Zeru not found."});

    const QRegularExpression heading(
        QStringLiteral("^\u2014 (Read config|Upload firmware), \\d\\d:\\d\\d:\\d\\d \u2014$"));
    QStringList headings;
    for (const QString& line : log->toPlainText().split(QLatin1Char('\n')))
        if (heading.match(line).hasMatch()) headings << line.section(QLatin1Char(','), 0, 0);
    EXPECT_EQ(headings,
              QStringList({QStringLiteral("\u2014 Read config"), QStringLiteral("\u2014 Read config"),
                           QStringLiteral("\u2014 Upload firmware")}));
}

}  // namespace
}  // namespace zeru::app::test
