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

#include "app/command_row.h"
#include "app/page_tree.h"
#include "app/qt_user_interface.h"
#include "interaction/user_interface.h"
#include "settings/settings.h"

class QPushButton;

namespace zeru::app {

class TForm2;
class WidgetSettings;

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
    // What the Qt user interface shows its effects in.
    InterfaceWidgets interfaceWidgets();

    // The reference window shown modally by "Special strings".
    void setSpecialStringsWindow(TForm2* window);

    // Puts the window in the middle of its screen.
    void centreOnScreen();

private:
    void runButtonCommand(CommandButton button);

    UserInterface& ui_;
    std::unique_ptr<WidgetSettings> settings_;
    std::array<QPushButton*, 5> buttons_{};
    PageButtons pageButtons_;
    QPlainTextEdit* log_ = nullptr;
    QProgressBar* progress_ = nullptr;
    std::array<std::function<void()>, 5> commands_;
    TForm2* specialStrings_ = nullptr;
};

}  // namespace zeru::app
