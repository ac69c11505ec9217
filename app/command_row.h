// SPDX-License-Identifier: GPL-3.0-or-later
// The command row at the top of the main window: the "Connection:" and
// "Configuration import/export:" groups with the five command buttons, and the
// logo at the right end.
#pragma once

#include <QWidget>

class QMenu;

namespace zeru::app {

class CommandRow : public QWidget {
public:
    explicit CommandRow(QWidget* parent = nullptr);

    // Adds `tool` after the two groups, before the logo.
    void addTool(QWidget* tool);
    // The menu of recent files beside "Read from file"; filled when opened.
    QMenu* recentFilesMenu() const { return recentFiles_; }

private:
    int tools_ = 0;  // where the next tool goes in the row
    QMenu* recentFiles_ = nullptr;
};

}  // namespace zeru::app
