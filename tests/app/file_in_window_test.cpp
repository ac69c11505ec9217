// SPDX-License-Identifier: GPL-3.0-or-later
// The file being worked on: named in the title, opened from the command line,
// from the recent files and by a drop.
#include <QApplication>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "app/commands/command_line.h"
#include "window_fixture.h"

namespace zeru::app::test {
namespace {

class FileInWindow : public StartedWindow {
protected:
    void SetUp() override {
        form->setOpenFileCommand([this](const QString& path) { opened << path; });
    }
    QStringList opened;
};

TEST_F(FileInWindow, TheTitleNamesTheFileOnceThereIsOne) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Kestrovane Zeru Configurator v1.02"));
    form->setCurrentFile(QStringLiteral("/home/op/configs/portable.cfg"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("portable.cfg - Kestrovane Zeru Configurator v1.02"));
}

TEST_F(FileInWindow, OneDroppedCfgFileIsOpened) {
    struct Case {
        QList<QUrl> urls;
        bool opens;
    };
    const Case cases[] = {
        {{QUrl::fromLocalFile(QStringLiteral("/tmp/a.cfg"))}, true},
        {{QUrl::fromLocalFile(QStringLiteral("/tmp/B.CFG"))}, true},
        {{QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt"))}, false},
        {{QUrl::fromLocalFile(QStringLiteral("/tmp/a.cfg")),
          QUrl::fromLocalFile(QStringLiteral("/tmp/b.cfg"))},
         false},
        {{QUrl(QStringLiteral("https://example.org/a.cfg"))}, false},
    };
    for (const Case& c : cases) {
        opened.clear();
        QMimeData data;
        data.setUrls(c.urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &enter);
        EXPECT_EQ(enter.isAccepted(), c.opens) << c.urls.constFirst().toString().toStdString();
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &drop);
        EXPECT_EQ(opened, c.opens ? QStringList{c.urls.constFirst().toLocalFile()} : QStringList());
    }
}

TEST_F(FileInWindow, RecentFilesAreOfferedUnderReadFromFile) {
    const QStringList recent{QStringLiteral("/a/home.cfg"), QStringLiteral("/b/car.cfg")};
    form->setRecentFiles([&] { return recent; });
    auto* menu = find<QMenu>("Menu_recent_files");
    emit menu->aboutToShow();
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[1]->text(), QStringLiteral("&2 car.cfg"));
    menu->actions()[1]->trigger();
    EXPECT_EQ(opened, QStringList{recent[1]});
}

TEST(CommandLine, TakesOneFileAndNoOption) {
    struct Case {
        std::vector<const char*> arguments;
        std::string file;
        bool help, error;
    };
    const Case cases[] = {
        {{}, "", false, false},
        {{"home.cfg"}, "home.cfg", false, false},
        {{"--", "-odd.cfg"}, "-odd.cfg", false, false},
        {{"--help"}, "", true, false},
        {{"-style", "fusion"}, "", false, true},
        {{"a.cfg", "b.cfg"}, "a.cfg", false, true},
    };
    for (const Case& c : cases) {
        std::vector<const char*> argv{"zeru-configurator"};
        argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
        const CommandLine line = parseCommandLine(static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(line.file, c.file);
        EXPECT_EQ(line.help, c.help);
        EXPECT_EQ(!line.error.empty(), c.error) << line.error;
    }
}

TEST(StartupFile, IsOpenedOnceTheWindowIsShownWithItsIcon) {
    zeru::test::RecordingUi ui;
    QStringList opened;
    bool shownWhenOpened = false;
    StartupOptions options;
    options.wait = [](std::chrono::milliseconds) {};
    options.fileToOpen = "/home/op/portable.cfg";
    options.attachCommands = [&](MainWindow& form, UserInterface&) -> std::unique_ptr<CommandSession> {
        form.setOpenFileCommand([&, window = &form](const QString& path) {
            opened << path;
            shownWhenOpened = window->isVisible();
        });
        return nullptr;
    };
    Configurator run = startConfigurator(ui, options);
    EXPECT_EQ(opened, QStringList{QStringLiteral("/home/op/portable.cfg")});
    EXPECT_TRUE(shownWhenOpened);
    EXPECT_FALSE(QApplication::windowIcon().pixmap(64).isNull())
        << "no icon (are Qt's SVG plugins installed?)";
}

}  // namespace
}  // namespace zeru::app::test
