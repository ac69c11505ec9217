// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt side of the user interface: what the boxes show, the log, the
// progress bar, the busy state and the file dialogs' questions.
#include "app/window/qt_user_interface.h"

#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>

#include "app/commands/session.h"
#include "cfgfile/temp_folder.h"
#include "device/fake_transport.h"
#include "interaction/utf8_path.h"
#include "window_fixture.h"

namespace zeru::app::test {
namespace {

// Answers the boxes and dialogs instead of a person.
class AnsweringQtUi : public QtUserInterface {
public:
    AnsweringQtUi() : QtUserInterface(QStringLiteral("Kestrovane Zeru Configurator")) {}

    struct Box {
        QMessageBox::Icon icon;
        QString caption, text;
    };
    std::vector<Box> boxes;
    struct Question {
        FileDialogKind kind;
        QString startPath, filter;
    };
    std::vector<Question> questions;
    QString answer;

protected:
    void showBox(QMessageBox::Icon icon, const QString& caption, const QString& text) override {
        boxes.push_back({icon, caption, text});
    }
    QString askFileName(FileDialogKind kind, const QString& startPath, const QString& filter) override {
        questions.push_back({kind, startPath, filter});
        return answer;
    }
};

class QtUserInterfaceTest : public StartedWindow {
protected:
    QtUserInterfaceTest() { qtUi.attach(form->interfaceWidgets()); }
    AnsweringQtUi qtUi;
};

TEST_F(QtUserInterfaceTest, BoxesShowTheirKindCaptionAndLines) {
    qtUi.information(
        "RS-232 port 2 changed to None.\rReason:\rSerial console can be selected on one port only.");
    qtUi.message("Firmware version: 1.02\r\nHardware version: B");
    qtUi.error("'12a' is not a valid integer value.");
    ASSERT_EQ(qtUi.boxes.size(), 3u);
    EXPECT_EQ(qtUi.boxes[0].icon, QMessageBox::Information);
    EXPECT_EQ(qtUi.boxes[0].caption, QStringLiteral("Information"));
    EXPECT_EQ(qtUi.boxes[0].text.split('\n'),
              QStringList({"RS-232 port 2 changed to None.",
                           "Reason:", "Serial console can be selected on one port only."}));
    EXPECT_EQ(qtUi.boxes[1].icon, QMessageBox::NoIcon);
    EXPECT_EQ(qtUi.boxes[1].caption, QStringLiteral("Kestrovane Zeru Configurator"));
    EXPECT_EQ(qtUi.boxes[1].text, QStringLiteral("Firmware version: 1.02\nHardware version: B"));
    EXPECT_EQ(qtUi.boxes[2].icon, QMessageBox::Critical);
    EXPECT_EQ(qtUi.boxes[2].caption, QStringLiteral("Kestrovane Zeru Configurator"));
}

TEST_F(QtUserInterfaceTest, BoxesShowMarkupAsTyped) {
    auto box = createMessageBox(QMessageBox::Information, QStringLiteral("Information"),
                                QStringLiteral("<b>x</b>"), form.get());
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
}

TEST_F(QtUserInterfaceTest, LogProgressAndBusyReachTheWindow) {
    qtUi.log("Page written: 1");
    qtUi.log("Eeprom write success");
    EXPECT_EQ(find<QPlainTextEdit>("Memo1")->toPlainText(),
              QStringLiteral("Page written: 1\nEeprom write success"));

    qtUi.setProgressRange(0, 224);
    qtUi.setProgress(0);
    qtUi.stepProgress();
    qtUi.stepProgress();
    EXPECT_EQ(find<QProgressBar>("ProgressBar1")->value(), 2);
    EXPECT_EQ(find<QProgressBar>("ProgressBar1")->maximum(), 224);
    EXPECT_EQ(qtUi.progress(), 2);

    const char* buttons[] = {"Button_read_config", "Button_write_config", "Button_upload_firmware",
                             "Button_save_to_file", "Button_read_from_file"};
    qtUi.setBusy(true);
    for (const char* b : buttons) EXPECT_FALSE(find(b)->isEnabled()) << b;
    EXPECT_TRUE(find("Button_special_strings")->isEnabled());
    qtUi.setBusy(false);
    for (const char* b : buttons) EXPECT_TRUE(find(b)->isEnabled()) << b;
}

// Messages are UTF-8: a path as the file system names it, a setting's
// Latin-1 text converted where a message quotes it. Each shows as the user
// wrote it, in the log and in the boxes alike.
TEST_F(QtUserInterfaceTest, PathsAndQuotedTextsShowAsWritten) {
    const struct {
        Message line;
        QString shown;
    } cases[] = {
        {Message::fromUtf8("Backup saved: /home/j\xC3\xBCrgen/b.cfg"),
         QStringLiteral("Backup saved: /home/j\u00FCrgen/b.cfg")},
        {Message::fromUtf8(
             "Unable to write to /tmp/\xD0\x96\xD0\xB8\xD1\x82\xD0\xBE\xD0\xBC\xD0\xB8\xD1\x80.cfg."),
         QStringLiteral("Unable to write to /tmp/\u0416\u0438\u0442\u043E\u043C\u0438\u0440.cfg.")},
        {Message::fromLatin1("'25\xB0"
                             "C' is not a valid integer value."),
         QStringLiteral("'25\u00B0C' is not a valid integer value.")},
        {Message::fromLatin1("W\xDC"), QStringLiteral("W\u00DC")},
    };
    for (const auto& c : cases) {
        find<QPlainTextEdit>("Memo1")->clear();
        qtUi.boxes.clear();
        qtUi.log(c.line);
        qtUi.error(c.line);
        EXPECT_EQ(find<QPlainTextEdit>("Memo1")->toPlainText(), c.shown) << c.line.utf8();
        ASSERT_EQ(qtUi.boxes.size(), 1u);
        EXPECT_EQ(qtUi.boxes[0].text, c.shown) << c.line.utf8();
    }
}

// A file's name or a device's string cannot break or colour the log.
TEST_F(QtUserInterfaceTest, TheLogShowsControlCharactersEscaped) {
    qtUi.log(Message::fromUtf8("Loaded A\rFAKE\x1b[2J\xE2\x80\xAE.cfg"));
    EXPECT_EQ(find<QPlainTextEdit>("Memo1")->toPlainText(),
              QStringLiteral("Loaded A\\rFAKE\\x1B[2J\\u202E.cfg"));
}

TEST_F(QtUserInterfaceTest, FileDialogsAskWithFolderNameAndFilter) {
    FileDialogOptions options{"/home/op/configs", "Kestrovane Zeru config files (*.cfg)", "NOCALL-0.cfg"};
    qtUi.answer = QString();
    EXPECT_EQ(qtUi.chooseSaveFile(options), std::nullopt) << "cancel";
    qtUi.answer = QString::fromUtf8("/home/op/configs/r\xc3\xa9seau");  // no suffix added
    EXPECT_EQ(qtUi.chooseOpenFile(options), std::optional<std::string>("/home/op/configs/r\xc3\xa9seau"));
    ASSERT_EQ(qtUi.questions.size(), 2u);
    EXPECT_EQ(qtUi.questions[0].startPath, QStringLiteral("/home/op/configs/NOCALL-0.cfg"));
    EXPECT_EQ(qtUi.questions[0].filter, QStringLiteral("Kestrovane Zeru config files (*.cfg)"));
    options.proposedName.clear();
    qtUi.chooseSaveFile(options);
    EXPECT_EQ(qtUi.questions[2].startPath, QStringLiteral("/home/op/configs"));
}

// The window's own flows: a save names its file in the log, a failed save in
// its box, whatever the script of the folders' names.
TEST_F(QtUserInterfaceTest, SavesNameTheirPathsAsWritten) {
    zeru::test::TempFolder folder;
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QString::fromStdString(utf8FromPath(folder.path())));
    auto session = createSessionOver(*form, qtUi, std::make_unique<zeru::test::FakeTransport>());
    const std::string home = utf8FromPath(folder.path()) + "/Z\xC3\xBCrich";                // Zürich
    const std::string missing = utf8FromPath(folder.path()) + "/\xD0\xB6\xD1\x83\xD1\x80";  // жур
    std::filesystem::create_directory(pathFromUtf8(home));
    const struct {
        std::string path;
        QString logged, box;  // "" for none
    } cases[] = {
        {home + "/a.cfg", QString::fromUtf8("Saved " + home + "/a.cfg"), {}},
        {missing + "/a.cfg", {}, QString::fromUtf8("Unable to write to " + missing + "/a.cfg.")},
    };
    for (const auto& c : cases) {
        find<QPlainTextEdit>("Memo1")->clear();
        qtUi.boxes.clear();
        qtUi.answer = QString::fromUtf8(c.path);
        form->commandButton(CommandButton::SaveToFile)->click();
        const QString log = find<QPlainTextEdit>("Memo1")->toPlainText();
        if (!c.logged.isEmpty()) {
            EXPECT_TRUE(log.contains(c.logged)) << log.toStdString();
        }
        ASSERT_EQ(qtUi.boxes.size(), c.box.isEmpty() ? 0u : 1u) << c.path;
        if (!c.box.isEmpty()) {
            EXPECT_EQ(qtUi.boxes[0].text, c.box);
        }
    }
    session.reset();
}

}  // namespace
}  // namespace zeru::app::test
