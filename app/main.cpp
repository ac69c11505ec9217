// SPDX-License-Identifier: GPL-3.0-or-later
// The configurator's program: no command line is read (Qt is handed the
// program name only), everything starts from the built-in defaults.
#include <QApplication>

#include "app/field_factory.h"
#include "app/qt_user_interface.h"
#include "app/session.h"
#include "app/startup.h"
#include "settings/catalogue.h"

int main(int, char** argv) {
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication application(qtArgc, qtArgv);

    zeru::app::QtUserInterface ui(zeru::app::latin1(zeru::kApplicationTitle));
    zeru::app::StartupOptions options;
    options.attachCommands = zeru::app::createSession;
    return zeru::app::runConfigurator(ui, std::move(options));
}
