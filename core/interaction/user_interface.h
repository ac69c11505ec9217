// SPDX-License-Identifier: GPL-3.0-or-later
// Every effect a flow has on the user goes through this interface: the window
// implements it with Qt, the command-line tool with standard error, and tests
// with a recorder that also answers the dialogs.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "interaction/message.h"

namespace zeru {

// The answers to the question asked before the window closes with changes
// that were neither saved nor written.
enum class SaveAnswer { Save, Discard, Cancel };

struct FileDialogOptions {
    std::string startFolder;   // folder the dialog opens in (UTF-8, as every path)
    std::string filter;        // e.g. "Kestrovane Zeru config files (*.cfg)"
    std::string proposedName;  // proposed file name ("" for none)
};

// Texts are Messages: UTF-8 (interaction/message.h).
class UserInterface {
public:
    virtual ~UserInterface() = default;

    // Modal information box: caption "Information", information icon, one OK button.
    // Lines may be separated by "\n", "\r" or "\r\n".
    virtual void information(const Message& text) = 0;
    // Plain modal box with one OK button, captioned with the application title.
    virtual void message(const Message& text) = 0;
    // The application's standard error box, captioned with the application title.
    virtual void error(const Message& text) = 0;

    // Appends one line to the log pane.
    virtual void log(const Message& line) = 0;
    // A line the user should see even where log lines are hidden (zeru-cli
    // without --verbose): what a load did with a value it could not take.
    virtual void note(const Message& line) { log(line); }

    // Progress bar.
    virtual void setProgressRange(int minimum, int maximum) = 0;
    virtual void setProgress(int position) = 0;
    virtual int progress() const = 0;
    void stepProgress() { setProgress(progress() + 1); }

    // Enables (false) or disables (true) the five command buttons together, in
    // the order read, write, upload, save, load.
    virtual void setBusy(bool busy) = 0;
    // Lets pending window events run (repaints), without taking user input.
    virtual void processEvents() = 0;

    // A modal question with Yes and No buttons; true for Yes.
    virtual bool confirm(const Message& question) = 0;
    // A modal question with Save, Discard and Cancel buttons.
    virtual SaveAnswer askSaveChanges(const Message& question) = 0;

    // File dialogs; nullopt when the user cancels.
    virtual std::optional<std::string> chooseSaveFile(const FileDialogOptions& options) = 0;
    virtual std::optional<std::string> chooseOpenFile(const FileDialogOptions& options) = 0;
};

}  // namespace zeru
