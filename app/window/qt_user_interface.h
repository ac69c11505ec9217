// SPDX-License-Identifier: GPL-3.0-or-later
// zeru::UserInterface shown with Qt: message boxes, the log pane Memo1, the
// progress bar ProgressBar1, the five command buttons and the file dialogs.
// The boxes and dialogs go through two protected virtual calls so that a test
// can answer them without a person at the screen.
#pragma once

#include <QMessageBox>
#include <QPointer>
#include <array>
#include <memory>

#include "interaction/user_interface.h"

class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QWidget;

namespace zeru::app {

// A box as the configurator shows it: plain text, one OK button. Lines
// separated by a carriage return alone show as separate lines.
std::unique_ptr<QMessageBox> createMessageBox(QMessageBox::Icon icon, const QString& caption,
                                              const QString& text, QWidget* parent);

// The main window's widgets that show the effects: the boxes and dialogs
// parent on `window`, the busy state disables the command buttons.
struct InterfaceWidgets {
    QWidget* window = nullptr;
    QPlainTextEdit* log = nullptr;
    QProgressBar* progress = nullptr;
    std::array<QPushButton*, 5> commandButtons{};
};

class QtUserInterface : public UserInterface {
public:
    explicit QtUserInterface(QString applicationTitle);

    // Binds the log, progress and busy effects to the widgets the window
    // hands over; throws std::logic_error when one is missing.
    void attach(const InterfaceWidgets& widgets);

    void information(const Message& text) override;
    void message(const Message& text) override;
    void error(const Message& text) override;
    void log(const Message& line) override;
    void setProgressRange(int minimum, int maximum) override;
    void setProgress(int position) override;
    int progress() const override;
    void setBusy(bool busy) override;
    void processEvents() override;
    bool confirm(const Message& question) override;
    SaveAnswer askSaveChanges(const Message& question) override;
    std::optional<std::string> chooseSaveFile(const FileDialogOptions& options) override;
    std::optional<std::string> chooseOpenFile(const FileDialogOptions& options) override;

protected:
    enum class FileDialogKind { Save, Open };
    // Shows a modal box and returns when the user closes it.
    virtual void showBox(QMessageBox::Icon icon, const QString& caption, const QString& text);
    // Shows a modal question with `buttons` and returns the one pressed;
    // Escape or closing the box gives the last.
    virtual QMessageBox::StandardButton askQuestion(const QString& text,
                                                    const QList<QMessageBox::StandardButton>& buttons,
                                                    QMessageBox::StandardButton defaultButton);
    // Asks for a file name; an empty result means the user cancelled.
    virtual QString askFileName(FileDialogKind kind, const QString& startPath, const QString& filter);

    QWidget* window() const { return window_; }

private:
    std::optional<std::string> chooseFile(FileDialogKind kind, const FileDialogOptions& options);

    QString title_;
    QPointer<QWidget> window_;
    QPointer<QPlainTextEdit> log_;
    QPointer<QProgressBar> progress_;
    std::array<QPointer<QPushButton>, 5> commandButtons_;
};

}  // namespace zeru::app
