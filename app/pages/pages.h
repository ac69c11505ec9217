// SPDX-License-Identifier: GPL-3.0-or-later
// One widget class per settings page. Each builds its fields from the
// catalogue through the shared field helpers and only lays them out: pages hold
// no behaviour (the rules are wired by the main window).
#pragma once

#include <QWidget>
#include <array>

class QPushButton;

namespace zeru::app {

// A page of the tab tree; its objectName is the page's name (TabSheet_...).
class SettingsPage : public QWidget {
public:
    SettingsPage(const char* objectName, QWidget* parent);
};

class RadioPage : public SettingsPage {
public:
    explicit RadioPage(QWidget* parent = nullptr);
};

class PositionReportsPage : public SettingsPage {
public:
    explicit PositionReportsPage(QWidget* parent = nullptr);
};

class DigipeaterCommonPage : public SettingsPage {
public:
    explicit DigipeaterCommonPage(QWidget* parent = nullptr);
};

class SimpleAliasesPage : public SettingsPage {
public:
    explicit SimpleAliasesPage(QWidget* parent = nullptr);
};

class BeaconsPage : public SettingsPage {
public:
    explicit BeaconsPage(QWidget* parent = nullptr);

    // "Special strings", which the window wires to its reference window.
    QPushButton* specialStringsButton() const { return specialStrings_; }

private:
    QPushButton* specialStrings_ = nullptr;
};

class ReportSettingsPage : public SettingsPage {
public:
    explicit ReportSettingsPage(QWidget* parent = nullptr);
};

class AnalogChannelsPage : public SettingsPage {
public:
    explicit AnalogChannelsPage(QWidget* parent = nullptr);

    // The "Default parameters" button of channel 1 to 5.
    QPushButton* defaultButton(int channel) const {
        return defaults_.at(static_cast<std::size_t>(channel - 1));
    }

private:
    std::array<QPushButton*, 5> defaults_{};
};

// Four digital channels starting at `firstChannel` (1 or 5).
class DigitalChannelsPage : public SettingsPage {
public:
    DigitalChannelsPage(int firstChannel, QWidget* parent = nullptr);

    // The "Default parameters" button of a channel of this page.
    QPushButton* defaultButton(int channel) const {
        return defaults_.at(static_cast<std::size_t>(channel - firstChannel_));
    }

private:
    int firstChannel_;
    std::array<QPushButton*, 4> defaults_{};
};

class OrvaxeOutputsPage : public SettingsPage {
public:
    explicit OrvaxeOutputsPage(QWidget* parent = nullptr);
};

class WeatherReportsPage : public SettingsPage {
public:
    explicit WeatherReportsPage(QWidget* parent = nullptr);
};

class SerialPortsPage : public SettingsPage {
public:
    explicit SerialPortsPage(QWidget* parent = nullptr);
};

class BluetoothPage : public SettingsPage {
public:
    explicit BluetoothPage(QWidget* parent = nullptr);
};

class Rs485Page : public SettingsPage {
public:
    explicit Rs485Page(QWidget* parent = nullptr);
};

class WeatherStationPage : public SettingsPage {
public:
    explicit WeatherStationPage(QWidget* parent = nullptr);
};

class SerialConsolePage : public SettingsPage {
public:
    explicit SerialConsolePage(QWidget* parent = nullptr);
};

class GpsReceiverPage : public SettingsPage {
public:
    explicit GpsReceiverPage(QWidget* parent = nullptr);
};

class KissPage : public SettingsPage {
public:
    explicit KissPage(QWidget* parent = nullptr);
};

}  // namespace zeru::app
