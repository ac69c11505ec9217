// SPDX-License-Identifier: GPL-3.0-or-later
// The command row at the top of the main window: the "Connection:" and
// "Configuration import/export:" groups with the five command buttons, and the
// logo at the right end. Where the window is too narrow for one line, the
// groups wrap onto a second one, in the same order.
#pragma once

#include <QWidget>
#include <array>

class QMenu;
class QPushButton;

namespace zeru::app {

class DeviceStatus;
class FlowLayout;

enum class CommandButton { ReadConfig, WriteConfig, UploadFirmware, SaveToFile, ReadFromFile, Backups };

class CommandRow : public QWidget {
public:
    explicit CommandRow(QWidget* parent = nullptr);

    QPushButton* button(CommandButton which) const { return buttons_[static_cast<std::size_t>(which)]; }
    // Adds `tool` after the two groups and the tools added before, left of the logo.
    void addTool(QWidget* tool);
    // The menu of recent files beside "Read from file"; filled when opened.
    QMenu* recentFilesMenu() const { return recentFiles_; }
    // Whether a device is connected, and which of several the commands use.
    DeviceStatus* deviceStatus() const { return deviceStatus_; }

private:
    std::array<QPushButton*, 6> buttons_{};
    FlowLayout* flow_ = nullptr;  // the groups and tools
    QMenu* recentFiles_ = nullptr;
    DeviceStatus* deviceStatus_;
};

}  // namespace zeru::app
