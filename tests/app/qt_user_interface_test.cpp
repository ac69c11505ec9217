// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt side of the user interface: what the boxes show, the log, the
// progress bar, the busy state and the file dialogs' questions.
#include "app/window/qt_user_interface.h"

#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

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

// Paths are UTF-8, the device's and the file's texts Latin-1: each shows as
// the user wrote it, in the log and in the boxes alike.
TEST_F(QtUserInterfaceTest, PathsAndLatin1TextsShowAsWritten) {
    const struct {
        const char* line;
        QString shown;
    } cases[] = {
        {"Backup saved: /home/j\xC3\xBCrgen/b.cfg", QStringLiteral("Backup saved: /home/j\u00FCrgen/b.cfg")},
        {"Unable to write to /tmp/Gr\xC3\xBC\xC3\x9F"
         "e.cfg",
         QStringLiteral("Unable to write to /tmp/Gr\u00FC\u00DFe.cfg")},
        {"Beacon 1 message - 25\xB0"
         "C",
         QStringLiteral("Beacon 1 message - 25\u00B0C")},
        {"W\xDC", QStringLiteral("W\u00DC")},
    };
    for (const auto& c : cases) {
        find<QPlainTextEdit>("Memo1")->clear();
        qtUi.boxes.clear();
        qtUi.log(c.line);
        qtUi.error(c.line);
        EXPECT_EQ(find<QPlainTextEdit>("Memo1")->toPlainText(), c.shown) << c.line;
        ASSERT_EQ(qtUi.boxes.size(), 1u);
        EXPECT_EQ(qtUi.boxes[0].text, c.shown) << c.line;
    }
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

}  // namespace
}  // namespace zeru::app::test
