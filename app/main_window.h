// SPDX-License-Identifier: GPL-3.0-or-later
// The main window Form1: the command row, the tree of settings pages, the log
// pane Memo1 and the progress bar ProgressBar1. It is a view: the settings are
// reached through settings(), the rules are wired by connectFormRules, and the
// commands of the five buttons are attached from outside with setCommand.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "interaction/user_interface.h"
#include "settings/settings.h"

class QPushButton;

namespace zeru::app {

class DeviceStatus;
class TForm2;
class WidgetSettings;

enum class CommandButton { ReadConfig, WriteConfig, UploadFirmware, SaveToFile, ReadFromFile };

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // `ui` shows every effect of the window's commands and rules; it must
    // outlive the window. Settings are left empty: the start-up sequence sets
    // the defaults.
    explicit TForm1(UserInterface& ui, QWidget* parent = nullptr);
    ~TForm1() override;

    // "Kestrovane Zeru Configurator v1.02".
    static QString caption();

    Settings& settings();

    // The command run by a click on one of the five command buttons, through
    // runCommand (an escaped exception is shown in the error box).
    void setCommand(CommandButton button, std::function<void()> command);
    QPushButton* commandButton(CommandButton button) const;

    // The reference window shown modally by "Special strings".
    void setSpecialStringsWindow(TForm2* window);

    // Puts the window in the middle of its screen.
    void centreOnScreen();

    // The command row's connection state (see device_status.h).
    DeviceStatus* deviceStatus() const { return deviceStatus_; }
    // True while one of the five commands runs.
    bool commandRunning() const { return commandRunning_; }

private:
    void runButtonCommand(CommandButton button);

    UserInterface& ui_;
    std::unique_ptr<WidgetSettings> settings_;
    std::array<QPushButton*, 5> buttons_{};
    std::array<std::function<void()>, 5> commands_;
    TForm2* specialStrings_ = nullptr;
    DeviceStatus* deviceStatus_ = nullptr;
    bool commandRunning_ = false;
};

}  // namespace zeru::app
