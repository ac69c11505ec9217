// SPDX-License-Identifier: GPL-3.0-or-later
// The main window and the file being worked on: its name in the title, the
// recent files under "Read from file", and .cfg files dropped on the window.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include "app/commands/input_dropper.h"
#include "app/feedback/window_feedback.h"
#include "app/window/main_window.h"
#include "interaction/command.h"

namespace zeru::app {
namespace {

// The one local .cfg file that a drag carries; "" for anything else.
QString droppedConfigFile(const QMimeData* data) {
    if (!data || data->urls().size() != 1) return {};
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile() || !url.toLocalFile().endsWith(QLatin1String(".cfg"), Qt::CaseInsensitive))
        return {};
    return url.toLocalFile();
}

}  // namespace

void MainWindow::setCurrentFile(const QString& path) {
    currentFile_ = QFileInfo(path).fileName();
    updateTitle();
}

void MainWindow::updateTitle() {
    QString title = currentFile_.isEmpty() ? caption() : currentFile_ + QLatin1String(" - ") + caption();
    if (feedback_ && feedback_->fields().hasUnsavedChanges()) title.prepend(QLatin1Char('*'));
    setWindowTitle(title);
}

void MainWindow::setOpenFileCommand(std::function<void(const QString&)> command) {
    openFile_ = std::move(command);
}

void MainWindow::setRecentFiles(std::function<QStringList()> source) { recentFiles_ = std::move(source); }

void MainWindow::openFile(const QString& path) {
    if (!openFile_) return;
    logCommandStart(commandButton(CommandButton::ReadFromFile)->text());
    InputDropper dropper(*this);
    runCommand(ui_, [&] { openFile_(path); });
}

void MainWindow::fillRecentFilesMenu(QMenu& menu) {
    menu.clear();
    const QStringList files = recentFiles_ ? recentFiles_() : QStringList();
    for (int i = 0; i < files.size(); ++i) {
        // "&1 name.cfg" with the folder in the tooltip: the numbers are the
        // keys of the menu.
        QAction* action =
            menu.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(files[i]).fileName()));
        action->setToolTip(files[i]);
        action->setStatusTip(files[i]);
        const QString& file = files[i];  // the lambda keeps its own copy
        connect(action, &QAction::triggered, this, [this, file] { openFile(file); });
    }
    if (files.isEmpty()) menu.addAction(QStringLiteral("No recent files"))->setEnabled(false);
    if (moreFileEntries_) moreFileEntries_(menu);
    menu.setToolTipsVisible(true);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedConfigFile(event->mimeData()).isEmpty() && openFile_) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString file = droppedConfigFile(event->mimeData());
    if (file.isEmpty() || !openFile_) return;
    event->acceptProposedAction();
    openFile(file);
}

}  // namespace zeru::app
