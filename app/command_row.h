// SPDX-License-Identifier: GPL-3.0-or-later
// The command row at the top of the main window: the "Connection:" and
// "Configuration import/export:" groups with the five command buttons, and the
// logo at the right end.
#pragma once

#include <QWidget>

namespace zeru::app {

class CommandRow : public QWidget {
public:
    explicit CommandRow(QWidget* parent = nullptr);

    // Adds `tool` after the two groups, before the logo.
    void addTool(QWidget* tool);

private:
    int tools_ = 0;  // where the next tool goes in the row
};

}  // namespace zeru::app
