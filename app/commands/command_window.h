// SPDX-License-Identifier: GPL-3.0-or-later
// What the commands' session needs of the window it serves, and what it
// leaves running there: the composition root attaches the five command
// buttons through this interface, so that it depends on nothing above the
// commands (the main window implements it).
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

#include "app/commands/command_row.h"

class QMenu;

namespace zeru {
class Settings;
}

namespace zeru::app {

class DeviceStatus;
class WindowFeedback;

class CommandWindow {
public:
    virtual ~CommandWindow() = default;

    // The settings the window shows.
    virtual Settings& settings() = 0;
    // The command run by a click on one of the command buttons.
    virtual void setCommand(CommandButton button, std::function<void()> command) = 0;
    // Runs `command` as the command buttons run theirs.
    virtual void runAsCommand(const std::function<void()>& command) = 0;
    // True while one of the five commands runs.
    virtual bool commandRunning() const = 0;
    // The command row's connection state.
    virtual DeviceStatus* deviceStatus() const = 0;
    // The marks at the fields, the changes and their window.
    virtual WindowFeedback& feedback() = 0;

    // The file last loaded or saved, named in the title.
    virtual void setCurrentFile(const QString& path) = 0;
    // What loads a file given by its path (a recent file, a drop, the command line).
    virtual void setOpenFileCommand(std::function<void(const QString&)> command) = 0;
    // Where the list of recent files comes from, most recent first.
    virtual void setRecentFiles(std::function<QStringList()> source) = 0;
    // Entries that follow the recent files in their menu.
    virtual void setMoreFileEntries(std::function<void(QMenu&)> add) = 0;
    // Asked when the user closes the window; false keeps it open.
    virtual void setCloseGuard(std::function<bool()> mayClose) = 0;

    // The window's size, place and log height, kept between runs.
    virtual QByteArray saveLayout() const = 0;
    virtual bool restoreLayout(const QByteArray& layout) = 0;

protected:
    CommandWindow() = default;
    CommandWindow(const CommandWindow&) = default;
    CommandWindow& operator=(const CommandWindow&) = default;
};

// Whatever the composition root keeps alive for the run to serve the five
// command buttons (device and file flows, configuration images, transport).
class CommandSession {
public:
    virtual ~CommandSession() = default;
};

}  // namespace zeru::app
