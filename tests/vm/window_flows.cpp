// SPDX-License-Identifier: GPL-3.0-or-later
// The window's own "Write config" and "Read config": the configurator's main
// window with the commands the program attaches to it, its buttons clicked,
// under whatever Qt platform the environment names (offscreen in the test
// guest) and against whatever device with vendor 0x0483 and product 0xA050 the
// system shows. The window's boxes and log lines go to a recording user
// interface so that nothing waits for a click.
//
//   zeru-vm-window-flows [SEED]
//
// Exit 0 when the configuration written from the window's fields comes back
// into them unchanged; 77 when the program attaches no commands to the
// buttons; 1 otherwise, naming what differs.
#include <QApplication>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <random>
#include <string>

#include "app/commands/session.h"
#include "app/window/startup.h"
#include "rules/rules.h"
#include "settings/settings_model.h"
#include "support/random_settings.h"
#include "support/recording_ui.h"
#include "vm/settings_difference.h"

namespace {

bool logged(const zeru::test::RecordingUi& ui, const std::string& line) {
    const auto lines = ui.logLines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

void printEvents(const char* flow, const zeru::test::RecordingUi& ui) {
    for (const auto& event : ui.events)
        if (!event.text.empty()) std::fprintf(stderr, "%s: %s\n", flow, event.text.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    const unsigned seed = argc > 1 ? static_cast<unsigned>(std::stoul(argv[1])) : 1958u;
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication application(qtArgc, qtArgv);

    zeru::test::RecordingUi ui;
    zeru::app::StartupOptions options;
    options.wait = [](std::chrono::milliseconds) {};
    options.splashTime = std::chrono::milliseconds(0);
    options.attachCommands = zeru::app::createSession;
    zeru::app::Configurator configurator = zeru::app::startConfigurator(ui, options);
    if (!configurator.session) {
        std::printf("zeru-vm-window-flows: the window's buttons have no commands attached yet\n");
        return 77;
    }
    zeru::Settings& fields = configurator.mainWindow->settings();

    std::mt19937 rng(seed);
    zeru::test::fillRandomValidSettings(fields, rng, {.canonical = true});
    zeru::test::applyImageNormalisations(fields);
    zeru::SettingsModel written;
    zeru::copySettings(fields, written);

    ui.events.clear();
    configurator.mainWindow->commandButton(zeru::app::CommandButton::WriteConfig)->click();
    if (!logged(ui, "Eeprom write success")) {
        printEvents("write", ui);
        std::fprintf(stderr, "zeru-vm-window-flows: \"Write config\" failed\n");
        return 1;
    }

    // Back to the start-up values, so that only the read can restore the fields;
    // the read then asks before it replaces them, and the user lets them go.
    zeru::rules::applyStartupSequence(fields, ui);
    ui.saveChangesAnswer = zeru::SaveAnswer::Discard;
    ui.events.clear();
    configurator.mainWindow->commandButton(zeru::app::CommandButton::ReadConfig)->click();
    if (!logged(ui, "Eeprom read success.")) {
        printEvents("read", ui);
        std::fprintf(stderr, "zeru-vm-window-flows: \"Read config\" failed\n");
        return 1;
    }
    const int differences = zeru::vm::reportDifferences(written, fields);
    if (differences != 0) {
        std::fprintf(stderr, "zeru-vm-window-flows: %d fields came back different\n", differences);
        return 1;
    }
    std::printf("zeru-vm-window-flows: the window wrote and read back every field through hidapi\n");
    return 0;
}
