// SPDX-License-Identifier: GPL-3.0-or-later
// The configurator's program: everything starts from the built-in defaults,
// then the file named on the command line, if any, is loaded. Qt is handed the
// program name only.
#include <QApplication>
#include <cstdio>

#include "app/commands/command_line.h"
#include "app/commands/session.h"
#include "app/fields/field_factory.h"
#include "app/window/qt_user_interface.h"
#include "app/window/startup.h"
#include "settings/catalogue.h"

int main(int argc, char** argv) {
    const zeru::app::CommandLine line = zeru::app::parseCommandLine(argc, argv);
    if (line.help || !line.error.empty()) {
        if (!line.error.empty()) std::fprintf(stderr, "zeru-configurator: %s\n", line.error.c_str());
        std::fputs(zeru::app::kUsage, line.help ? stdout : stderr);
        return line.help ? 0 : 2;
    }
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication application(qtArgc, qtArgv);

    zeru::app::QtUserInterface ui(zeru::app::latin1(zeru::kApplicationTitle));
    zeru::app::StartupOptions options;
    options.attachCommands = zeru::app::createSession;
    options.fileToOpen = line.file;
    return zeru::app::runConfigurator(ui, std::move(options));
}
