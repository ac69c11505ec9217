// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QThread>

#include "app/feedback/window_feedback.h"
#include "app/fields/field_factory.h"
#include "app/window/qt_user_interface.h"
#include "app/window/splash_screen.h"
#include "interaction/command.h"
#include "rules/rules.h"
#include "settings/catalogue.h"

namespace zeru::app {

void waitKeepingWindowsPainted(std::chrono::milliseconds time) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < time.count()) {
        // User input waits in the queue until the splash is gone.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(10);
    }
}

std::unique_ptr<MainWindow> buildMainWindow(UserInterface& ui) {
    auto form = std::make_unique<MainWindow>(ui);
    rules::applyStartupSequence(form->settings(), ui);
    // The start-up settings: nothing changed yet, nothing read to go back to.
    form->feedback().fields().takeBaseline(FieldFeedback::BaselineFrom::StartUp);
    return form;
}

Configurator startConfigurator(UserInterface& ui, const StartupOptions& options) {
    QCoreApplication::setApplicationName(latin1(kApplicationTitle));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("net.kestrovane.ZeruConfigurator"));
    // The menu entry's icon, also when the program runs from the build tree.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.svg")));

    auto splash = std::make_unique<TSplashScreen>();
    splash->showAndPaint();

    Configurator run;
    run.mainWindow = buildMainWindow(ui);
    if (options.attachCommands) run.session = options.attachCommands(*run.mainWindow, ui);
    run.beaconStrings = new BeaconStringsWindow(run.mainWindow.get());  // hidden until "Special strings"
    run.mainWindow->setSpecialStringsWindow(run.beaconStrings);

    if (options.wait) options.wait(options.splashTime);
    splash.reset();

    run.mainWindow->show();
    run.mainWindow->centreOnScreen();
    if (!options.fileToOpen.empty())
        run.mainWindow->openFile(QFile::decodeName(QByteArray::fromStdString(options.fileToOpen)));
    return run;
}

int runConfigurator(QtUserInterface& ui, StartupOptions options) {
    const CommandSessionFactory attach = std::move(options.attachCommands);
    options.attachCommands = [&ui, attach](MainWindow& form,
                                           UserInterface& shown) -> std::unique_ptr<CommandSession> {
        ui.attach(form.interfaceWidgets());
        return attach ? attach(form, shown) : nullptr;
    };
    Configurator run;
    try {
        run = startConfigurator(ui, options);
    } catch (const std::exception& e) {
        ui.error(Message::fromUtf8(errorBoxText(e.what())));
        return 1;
    } catch (...) {
        ui.error("");
        return 1;
    }
    return QApplication::exec();
}

}  // namespace zeru::app
