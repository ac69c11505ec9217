// SPDX-License-Identifier: GPL-3.0-or-later
// What the commands do around the flows: the baseline after a save, the
// question before closing, the field shown after a refusal, and the questions
// before an upload and before a Mic-E emergency write.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

#include "app/commands/session.h"
#include "app/feedback/window_feedback.h"
#include "cfgfile/temp_folder.h"
#include "device/fake_transport.h"
#include "device/upload_notice.h"
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
        auto fake = std::make_unique<zeru::test::FakeTransport>();
        // One device that cannot be opened: whether anything was sent shows as an open.
        fake->devices = {{0x0483, 0xA050, "/dev/hidraw-test"}};
        fake->openFailure = "busy";
        transport = fake.get();
        session = createSessionOver(*form, ui, std::move(fake));
    }
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

}  // namespace
}  // namespace zeru::app::test
