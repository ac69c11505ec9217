// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up sequence: application title, splash, the main window with every
// default and start-up rule, the hidden reference window, the splash's time on
// screen, then the main window.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "app/aprs/beacon_strings_window.h"
#include "app/commands/command_window.h"
#include "app/window/main_window.h"
#include "interaction/user_interface.h"

namespace zeru::app {

class QtUserInterface;

// Keeps the windows painted for `time` without taking user input.
void waitKeepingWindowsPainted(std::chrono::milliseconds time);

using CommandSessionFactory = std::function<std::unique_ptr<CommandSession>(MainWindow&, UserInterface&)>;

struct StartupOptions {
    // How the splash's time on screen is spent; tests pass one that does not wait.
    std::function<void(std::chrono::milliseconds)> wait = waitKeepingWindowsPainted;
    std::chrono::milliseconds splashTime{1500};
    // Attaches the commands of the five buttons; none when empty.
    CommandSessionFactory attachCommands;
    // A configuration file loaded once the window is shown ("" for none).
    std::string fileToOpen;
};

// The windows start-up leaves running.
struct Configurator {
    std::unique_ptr<MainWindow> mainWindow;
    BeaconStringsWindow* beaconStrings = nullptr;  // owned by mainWindow
    std::unique_ptr<CommandSession> session;       // declared last: let go before the window
};

// Builds Form1 and runs the start-up sequence of defaults, presets and rules on it.
std::unique_ptr<MainWindow> buildMainWindow(UserInterface& ui);

// Runs the start-up sequence and shows the main window (not its event loop).
Configurator startConfigurator(UserInterface& ui, const StartupOptions& options);

// The whole program: start-up, then the event loop until the main window is
// closed. An exception that escapes start-up is shown in the error box and
// ends the program with exit status 1.
int runConfigurator(QtUserInterface& ui, StartupOptions options);

}  // namespace zeru::app
