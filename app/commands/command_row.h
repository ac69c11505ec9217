// SPDX-License-Identifier: GPL-3.0-or-later
// The command row at the top of the main window: the "Connection:" and
// "Configuration import/export:" groups with the five command buttons, and the
// logo at the right end.
#pragma once

#include <QWidget>
#include <array>

class QMenu;
class QPushButton;

namespace zeru::app {

class DeviceStatus;

enum class CommandButton { ReadConfig, WriteConfig, UploadFirmware, SaveToFile, ReadFromFile, Backups };

class CommandRow : public QWidget {
public:
    explicit CommandRow(QWidget* parent = nullptr);

    QPushButton* button(CommandButton which) const { return buttons_[static_cast<std::size_t>(which)]; }
    // Adds `tool` after the two groups, before the logo.
    void addTool(QWidget* tool);
    // The menu of recent files beside "Read from file"; filled when opened.
    QMenu* recentFilesMenu() const { return recentFiles_; }
    // Whether a device is connected, and which of several the commands use.
    DeviceStatus* deviceStatus() const { return deviceStatus_; }

private:
    std::array<QPushButton*, 6> buttons_{};
    int tools_ = 0;  // where the next tool goes in the row
    QMenu* recentFiles_ = nullptr;
    DeviceStatus* deviceStatus_;
};

}  // namespace zeru::app
