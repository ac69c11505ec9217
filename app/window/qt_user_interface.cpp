// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/qt_user_interface.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <stdexcept>

#include "app/fields/field_factory.h"
#include "interaction/visible_text.h"

namespace zeru::app {
namespace {

// The rules join the lines of a message with a carriage return alone; a box
// shows lines only at line feeds.
QString displayLines(std::string_view text) {
    QString lines = messageText(text);
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines;
}

// A box sized to its text alone elides its caption ("Kestrovane Zeru Con...")
// on many desktops: it is made wide enough for the caption and the title
// bar's buttons.
void keepTitleWhole(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + 8 * box.fontMetrics().height();
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0,
                  1, grid->columnCount());
}

}  // namespace

std::unique_ptr<QMessageBox> createMessageBox(QMessageBox::Icon icon, const QString& caption,
                                              const QString& text, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(icon, caption, text, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);  // a message may quote "<" or "&" from a setting
    keepTitleWhole(*box);
    return box;
}

QtUserInterface::QtUserInterface(QString applicationTitle) : title_(std::move(applicationTitle)) {}

void QtUserInterface::attach(const InterfaceWidgets& widgets) {
    if (!widgets.window || !widgets.log || !widgets.progress)
        throw std::logic_error("the window has no log pane or progress bar");
    window_ = widgets.window;
    log_ = widgets.log;
    progress_ = widgets.progress;
    for (std::size_t i = 0; i < commandButtons_.size(); ++i) {
        if (!widgets.commandButtons[i]) throw std::logic_error("the window lacks a command button");
        commandButtons_[i] = widgets.commandButtons[i];
    }
}

void QtUserInterface::information(const Message& text) {
    showBox(QMessageBox::Information, QStringLiteral("Information"), displayLines(text));
}

void QtUserInterface::message(const Message& text) {
    showBox(QMessageBox::NoIcon, title_, displayLines(text));
}

void QtUserInterface::error(const Message& text) {
    showBox(QMessageBox::Critical, title_, displayLines(text));
}

void QtUserInterface::log(const Message& line) {
    // One line a message: a control character from outside text is shown, never acted on.
    if (log_) log_->appendPlainText(messageText(Message::fromUtf8(visibleLine(line))));
}

void QtUserInterface::setProgressRange(int minimum, int maximum) {
    if (progress_) progress_->setRange(minimum, maximum);
}

void QtUserInterface::setProgress(int position) {
    if (progress_) progress_->setValue(position);
}

int QtUserInterface::progress() const { return progress_ ? progress_->value() : 0; }

void QtUserInterface::setBusy(bool busy) {
    for (const QPointer<QPushButton>& button : commandButtons_)
        if (button) button->setEnabled(!busy);
}

void QtUserInterface::processEvents() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

bool QtUserInterface::confirm(const Message& question) {
    // No is the default: Enter pressed in haste sends nothing to the device.
    return askQuestion(displayLines(question), {QMessageBox::Yes, QMessageBox::No}, QMessageBox::No) ==
           QMessageBox::Yes;
}

SaveAnswer QtUserInterface::askSaveChanges(const Message& question) {
    switch (askQuestion(displayLines(question),
                        {QMessageBox::Save, QMessageBox::Discard, QMessageBox::Cancel}, QMessageBox::Save)) {
        case QMessageBox::Save:
            return SaveAnswer::Save;
        case QMessageBox::Discard:
            return SaveAnswer::Discard;
        default:
            return SaveAnswer::Cancel;
    }
}

std::optional<std::string> QtUserInterface::chooseSaveFile(const FileDialogOptions& options) {
    return chooseFile(FileDialogKind::Save, options);
}

std::optional<std::string> QtUserInterface::chooseOpenFile(const FileDialogOptions& options) {
    return chooseFile(FileDialogKind::Open, options);
}

std::optional<std::string> QtUserInterface::chooseFile(FileDialogKind kind,
                                                       const FileDialogOptions& options) {
    // Paths are UTF-8 on every system, not Latin-1 setting texts.
    const QString folder = QString::fromStdString(options.startFolder);
    const QString name = QString::fromStdString(options.proposedName);
    const QString startPath = name.isEmpty() ? folder : QDir(folder).filePath(name);
    const QString chosen = askFileName(kind, startPath, messageText(options.filter));
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toStdString();
}

void QtUserInterface::showBox(QMessageBox::Icon icon, const QString& caption, const QString& text) {
    createMessageBox(icon, caption, text, window_)->exec();
}

QMessageBox::StandardButton QtUserInterface::askQuestion(const QString& text,
                                                         const QList<QMessageBox::StandardButton>& buttons,
                                                         QMessageBox::StandardButton defaultButton) {
    QMessageBox box(QMessageBox::Question, title_, text, QMessageBox::NoButton, window_);
    box.setTextFormat(Qt::PlainText);
    for (QMessageBox::StandardButton b : buttons) box.addButton(b);
    box.setDefaultButton(defaultButton);
    box.setEscapeButton(buttons.back());
    keepTitleWhole(box);
    box.exec();
    const auto pressed = box.standardButton(box.clickedButton());
    return pressed == QMessageBox::NoButton ? buttons.back() : pressed;
}

QString QtUserInterface::askFileName(FileDialogKind kind, const QString& startPath, const QString& filter) {
    // No default suffix: the name is used as the user typed it.
    return kind == FileDialogKind::Save ? QFileDialog::getSaveFileName(window_, QString(), startPath, filter)
                                        : QFileDialog::getOpenFileName(window_, QString(), startPath, filter);
}

}  // namespace zeru::app
