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

#include "app/commands/command_row.h"
#include "app/commands/command_window.h"
#include "app/window/page_tree.h"
#include "app/window/qt_user_interface.h"
#include "interaction/user_interface.h"
#include "settings/settings.h"

class QDragEnterEvent;
class QDropEvent;
class QMenu;
class QPushButton;
class QSplitter;
class QTabWidget;

namespace zeru::app {

class DeviceStatus;
class BeaconStringsWindow;
class WidgetSettings;
class WindowFeedback;

class MainWindow : public QWidget, public CommandWindow {
    Q_OBJECT
public:
    // `ui` shows every effect of the window's commands and rules; it must
    // outlive the window. Settings are left empty: the start-up sequence sets
    // the defaults.
    explicit MainWindow(UserInterface& ui, QWidget* parent = nullptr);
    ~MainWindow() override;

    // "Kestrovane Zeru Configurator v1.02".
    static QString caption();

    Settings& settings() override;

    // The command run by a click on one of the command buttons, through
    // runCommand (an escaped exception is shown in the error box).
    void setCommand(CommandButton button, std::function<void()> command) override;
    QPushButton* commandButton(CommandButton button) const;
    // What the Qt user interface shows its effects in.
    InterfaceWidgets interfaceWidgets();

    // The file last loaded or saved, shown before the application's name in
    // the title.
    void setCurrentFile(const QString& path) override;
    // What loads a file given by its path: a recent file chosen under "Read
    // from file", a .cfg file dropped on the window, the command line.
    void setOpenFileCommand(std::function<void(const QString&)> command) override;
    // Runs the open-file command as a button runs its command.
    void openFile(const QString& path);
    // Where the list of recent files comes from, most recent first.
    void setRecentFiles(std::function<QStringList()> source) override;
    // Entries that follow the recent files in their menu, added each time it opens.
    void setMoreFileEntries(std::function<void(QMenu&)> add) override { moreFileEntries_ = std::move(add); }

    // The reference window shown modally by "Special strings".
    void setSpecialStringsWindow(BeaconStringsWindow* window);

    // Sizes the window for its screen and puts it in the middle of it,
    // unless restoreLayout gave it the size and place of the last run.
    void centreOnScreen();
    // Takes the size that shows every page whole (its natural size) while
    // that fits `available` (the client area the screen offers); else it
    // takes that size and the pages scroll. The user may resize it freely.
    void fitToScreen(const QSize& available);
    // The window's size, place and log height, to be kept between runs, and
    // put back; false (nothing changed) for a layout that cannot be read.
    QByteArray saveLayout() const override;
    bool restoreLayout(const QByteArray& layout) override;

    // The command row's connection state (see device_status.h).
    DeviceStatus* deviceStatus() const override { return deviceStatus_; }
    // True while one of the five commands runs.
    bool commandRunning() const override { return commandRunning_; }
    // Runs `command` as the command buttons run theirs: input to the window
    // dropped meanwhile, the connection state not asked, a failure shown in
    // the standard error box.
    void runAsCommand(const std::function<void()>& command) override;
    // The marks at the fields, the changes and their window.
    WindowFeedback& feedback() override;
    // Asked when the user closes the window; false keeps it open.
    void setCloseGuard(std::function<bool()> mayClose) override { mayClose_ = std::move(mayClose); }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void runButtonCommand(CommandButton button);
    // "— Write config, 14:02:31 —": the log's lines of each command start
    // with it, so that two clicks of one button are told apart.
    void logCommandStart(QString caption);
    void fillRecentFilesMenu(QMenu& menu);
    // The size that shows the whole page tree without scrolling.
    QSize naturalSize();
    // The application's name after the file's, "*" first while there are
    // unsaved changes.
    void updateTitle();

    UserInterface& ui_;
    std::unique_ptr<WidgetSettings> settings_;
    std::array<QPushButton*, 6> buttons_{};
    PageButtons pageButtons_;
    QPlainTextEdit* log_ = nullptr;
    QProgressBar* progress_ = nullptr;
    std::array<std::function<void()>, 6> commands_;
    BeaconStringsWindow* specialStrings_ = nullptr;
    DeviceStatus* deviceStatus_ = nullptr;
    bool commandRunning_ = false;
    WindowFeedback* feedback_ = nullptr;  // a child QObject
    std::function<bool()> mayClose_;
    std::function<void(const QString&)> openFile_;
    std::function<QStringList()> recentFiles_;
    std::function<void(QMenu&)> moreFileEntries_;
    QTabWidget* pageTree_ = nullptr;
    QSplitter* splitter_ = nullptr;  // the pages above the log
    CommandRow* commandRow_ = nullptr;
    QString currentFile_;  // the file name shown in the title
    bool layoutRestored_ = false;
};

}  // namespace zeru::app
