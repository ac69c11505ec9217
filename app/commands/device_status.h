// SPDX-License-Identifier: GPL-3.0-or-later
// The command row's connection state: whether a Kestrovane Zeru is connected,
// followed by polling the enumeration, and with several connected a
// drop-down that chooses the one the commands use.
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

#include "device/connected_devices.h"
#include "device/device_selector.h"

class QComboBox;
class QLabel;
class QStackedWidget;

namespace zeru::app {

class DeviceStatus : public QWidget {
public:
    // How often the enumeration is asked: a device plugged in or out shows
    // within about this long.
    static constexpr int kPollIntervalMs = 1000;

    explicit DeviceStatus(QWidget* parent = nullptr);

    // Starts following `devices`; the drop-down's choice goes to `selector`.
    // No enumeration while `commandRunning` says a command runs. Both must
    // outlive the widget, or detach() must be called first.
    void attach(ConnectedDevices& devices, DeviceSelector& selector, std::function<bool()> commandRunning);
    void detach();

    // What the timer does: asks the enumeration again unless a command runs.
    void poll();

    const QTimer& timer() const { return timer_; }
    QComboBox* chooser() const { return chooser_; }
    QLabel* state() const { return state_; }

private:
    void display(const std::vector<HidDeviceInfo>& devices);
    void choose(int index);

    QLabel* caption_;
    QStackedWidget* stack_;  // the state, or the drop-down when there are several
    QLabel* state_;
    QComboBox* chooser_;
    QTimer timer_;
    ConnectedDevices* devices_ = nullptr;
    DeviceSelector* selector_ = nullptr;
    std::function<bool()> commandRunning_;
    std::string preferred_;  // path of the device last picked in the drop-down
};

}  // namespace zeru::app
