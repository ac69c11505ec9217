// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include "app/fields/field_factory.h"
#include "app/pages/pages.h"

namespace zeru::app {
namespace {

// A page of labelled fields, one per row.
void addRows(SettingsPage* page, std::initializer_list<const char*> names) {
    QGridLayout* grid = createPageGrid(page);
    int row = 0;
    for (const char* name : names) addLabelledField(*grid, row++, 0, name, page);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(row, 1);
}

}  // namespace

SerialPortsPage::SerialPortsPage(QWidget* parent) : SettingsPage("TabSheet_serial_ports", parent) {
    addRows(this, {"Serial2_mode", "Serial1_mode"});
}

BluetoothPage::BluetoothPage(QWidget* parent) : SettingsPage("TabSheet_bluetooth", parent) {
    addRows(this, {"Bluetooth_name", "Bluetooth_password"});
}

Rs485Page::Rs485Page(QWidget* parent) : SettingsPage("TabSheet_rs485_port", parent) {
    QGridLayout* grid = createPageGrid(this);
    int row = 0;
    for (const char* name : {"RS485_mode", "Telemodule_enable", "Bitsmodule_enable"})
        addLabelledField(*grid, row++, 0, name, this);
    QLabel* note = createLabel(
        QStringLiteral(
            "Starting with firmware version 1.00, you can directly connect DS18B20/DS18S20 thermometer "
            "to RS-485 port instead of telemetry module.\n"
            "Wiring: thermometer VDD and GND to device ground (pin 2, 3 or 5), thermometer DQ to "
            "RS-485 A+ (pin 6), and a 10 kOhm resistor between RS-485 B- (pin 7) and Vin (pin 9).\n"
            "Warning: any other resistor value, or a short circuit, will damage the device!"),
        this);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->setColumnMinimumWidth(2, 16);
    grid->addWidget(note, 0, 3, 4, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(3, 1);
}

WeatherStationPage::WeatherStationPage(QWidget* parent) : SettingsPage("TabSheet_weather_station", parent) {
    addRows(this, {"Weather_stationtype"});
}

SerialConsolePage::SerialConsolePage(QWidget* parent) : SettingsPage("TabSheet_serial_console", parent) {
    QGridLayout* grid = createPageGrid(this);
    addLabelledField(*grid, 0, 0, "Console_baudrate", this);
    auto* group = new QGroupBox(QStringLiteral("Console debug messages:"), this);
    auto* g = new QGridLayout(group);
    g->setContentsMargins(6, 2, 6, 4);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(3);
    const char* debug[] = {"Debug_rf",        "Debug_ax25", "Debug_weather", "Debug_telemetry",
                           "Debug_bluetooth", "Debug_gps",  "Debug_kiss",    "Debug_thermo"};
    for (int i = 0; i < 8; ++i) addLabelledField(*g, i % 4, (i / 4) * 3, debug[i], group);
    g->setColumnMinimumWidth(2, 16);
    grid->addWidget(group, 1, 0, 1, 3, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(2, 1);
}

GpsReceiverPage::GpsReceiverPage(QWidget* parent) : SettingsPage("TabSheet_gps_receiver", parent) {
    addRows(this, {"GPS_baudrate"});
}

KissPage::KissPage(QWidget* parent) : SettingsPage("TabSheet_kiss", parent) {
    addRows(this, {"Kiss_baudrate", "Kiss_direction", "Kiss_check"});
}

}  // namespace zeru::app
