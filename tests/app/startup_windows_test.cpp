// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up sequence's windows: the splash before and around the building
// of the main window, the hidden reference window, and start-up failures.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "app/window/qt_user_interface.h"
#include "app/window/splash_screen.h"
#include "app/window/startup.h"
#include "support/recording_ui.h"

namespace zeru::app::test {
namespace {

using Event = zeru::test::RecordingUi::Event;

TSplashScreen* splashOnScreen() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* splash = qobject_cast<TSplashScreen*>(w)) return splash;
    return nullptr;
}

bool mainWindowExists() {
    for (QWidget* w : QApplication::allWidgets())
        if (w->objectName() == QLatin1String("Form1")) return true;
    return false;
}

// Notes whether the splash got painted while no main window existed yet.
struct SplashPaintWatcher : QObject {
    bool paintedBeforeWindow = false;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && qobject_cast<TSplashScreen*>(watched) && !mainWindowExists())
            paintedBeforeWindow = true;
        return false;
    }
};

TEST(Splash, IsPaintedFirstStaysWhileTheWindowIsBuiltAndIsGoneAfter) {
    SplashPaintWatcher watcher;
    qApp->installEventFilter(&watcher);
    zeru::test::RecordingUi ui;
    StartupOptions options;
    std::vector<std::chrono::milliseconds> waits;
    QPointer<TSplashScreen> splashDuringWait;
    bool windowBuiltDuringWait = false, windowHiddenDuringWait = false;
    options.wait = [&](std::chrono::milliseconds time) {
        waits.push_back(time);
        splashDuringWait = splashOnScreen();
        QWidget* form = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("Form1")) form = w;
        windowBuiltDuringWait = form != nullptr;
        windowHiddenDuringWait = form && !form->isVisible();
        ASSERT_TRUE(splashDuringWait);
        EXPECT_TRUE(splashDuringWait->isVisible());
        EXPECT_TRUE(splashDuringWait->hasPicture()) << "the JPEG picture decodes";
        EXPECT_EQ(splashDuringWait->size(), QSize(254, 254));
        EXPECT_TRUE(splashDuringWait->windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_TRUE(splashDuringWait->windowFlags() & Qt::FramelessWindowHint);
    };
    Configurator run = startConfigurator(ui, options);
    qApp->removeEventFilter(&watcher);

    EXPECT_TRUE(watcher.paintedBeforeWindow);
    EXPECT_EQ(waits, std::vector<std::chrono::milliseconds>{std::chrono::milliseconds(1500)});
    EXPECT_TRUE(windowBuiltDuringWait);
    EXPECT_TRUE(windowHiddenDuringWait);
    EXPECT_TRUE(splashDuringWait.isNull()) << "the splash is destroyed before the window takes input";
    EXPECT_EQ(splashOnScreen(), nullptr);
    EXPECT_TRUE(run.mainWindow->isVisible());
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Kestrovane Zeru Configurator"));
    ASSERT_TRUE(run.beaconStrings);
    EXPECT_FALSE(run.beaconStrings->isVisible()) << "the reference window is created hidden";
    EXPECT_TRUE(ui.events.empty());
}

TEST(Splash, TheDefaultWaitTakesNoUserInput) {
    // With no time to spend the default wait returns at once.
    waitKeepingWindowsPainted(std::chrono::milliseconds(0));
    SUCCEED();
}

// A Qt user interface whose boxes are recorded instead of shown.
class RecordingQtUi : public QtUserInterface {
public:
    RecordingQtUi() : QtUserInterface(QStringLiteral("Kestrovane Zeru Configurator")) {}
    std::vector<std::pair<QMessageBox::Icon, QString>> boxes;

protected:
    void showBox(QMessageBox::Icon icon, const QString& caption, const QString& text) override {
        boxes.emplace_back(icon, caption + '|' + text);
    }
};

TEST(StartupFailure, IsShownInTheErrorBoxAndEndsTheProgram) {
    RecordingQtUi ui;
    StartupOptions options;
    options.wait = nullptr;
    options.attachCommands = [](MainWindow&, UserInterface&) -> std::unique_ptr<CommandSession> {
        throw std::runtime_error("the device layer could not start");
    };
    EXPECT_EQ(runConfigurator(ui, options), 1);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].first, QMessageBox::Critical);
    EXPECT_EQ(ui.boxes[0].second,
              QStringLiteral("Kestrovane Zeru Configurator|the device layer could not start."));
    EXPECT_EQ(splashOnScreen(), nullptr);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_NE(w->objectName(), QStringLiteral("Form1")) << "nothing of the failed start-up is left";
}

TEST(StartupCommands, TheCompositionRootAttachesTheButtonCommands) {
    zeru::test::RecordingUi ui;
    StartupOptions options;
    options.wait = nullptr;
    int reads = 0;
    struct Kept : CommandSession {};
    options.attachCommands = [&](MainWindow& form, UserInterface&) -> std::unique_ptr<CommandSession> {
        form.setCommand(CommandButton::ReadConfig, [&] { ++reads; });
        return std::make_unique<Kept>();
    };
    Configurator run = startConfigurator(ui, options);
    ASSERT_TRUE(run.session);
    QTest::mouseClick(run.mainWindow->commandButton(CommandButton::ReadConfig), Qt::LeftButton);
    EXPECT_EQ(reads, 1);
}

class SpecialStrings : public ::testing::Test {
protected:
    zeru::test::RecordingUi ui;
    Configurator run = [this] {
        StartupOptions options;
        options.wait = nullptr;
        return startConfigurator(ui, options);
    }();
    QPushButton* button = run.mainWindow->findChild<QPushButton*>(QStringLiteral("Button_special_strings"));

    QStringList lines() const {
        QStringList texts;
        for (QLabel* label : run.beaconStrings->findChildren<QLabel*>()) texts << label->text();
        return texts;
    }
};

TEST_F(SpecialStrings, ShowsTheTenLinesInItsFixedWindow) {
    EXPECT_EQ(run.beaconStrings->objectName(), QStringLiteral("Form2"));
    EXPECT_EQ(run.beaconStrings->windowTitle(), QStringLiteral("Beacon special strings"));
    EXPECT_EQ(
        lines(),
        QStringList({"<statlat> - inserts latitude defined on  \"Radio\" Tab.",
                     "<statlong> - inserts longitude defined on  \"Radio\" Tab.",
                     "<gpsdate> - inserts time received from GPS in format: DDHHMM. ",
                     "<gpslat> - inserts latitude received from GPS.",
                     "<gpslong> - inserts longitude received from GPS.",
                     "<volt> - inserts measured input voltage.",
                     "<temp> - inserts temperature from thermometer connected to RS-485 bus (Celsius).",
                     "<tempf> - inserts temperature from thermometer connected to RS-485 bus. (Fahrenheit)",
                     "Example:", "/<gpsdate>z<gpslat>/<gpslong>>Kestrovane U=<volt>V."}));
    for (QLabel* label : run.beaconStrings->findChildren<QLabel*>())
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(run.beaconStrings->minimumSize(), run.beaconStrings->maximumSize());
    EXPECT_GE(run.beaconStrings->width(), 317);
    EXPECT_GE(run.beaconStrings->height(), 206);
}

TEST_F(SpecialStrings, OpensModallyAndIsReused) {
    QDialog* first = run.beaconStrings;
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(QApplication::activeModalWidget(), first) << "the main window takes no input meanwhile";
    const QStringList shown = lines();
    first->close();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(run.mainWindow->findChildren<BeaconStringsWindow*>().size(), 1);
    EXPECT_EQ(lines(), shown);
    first->close();
}

}  // namespace
}  // namespace zeru::app::test
