// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include "app/fields/field_factory.h"
#include "app/pages/pages.h"

namespace zeru::app {
namespace {

// A page of labelled fields, one per row.
void addRows(SettingsPage* page, std::initializer_list<SettingId> ids) {
    QGridLayout* grid = createPageGrid(page);
    int row = 0;
    for (SettingId id : ids) addLabelledField(*grid, row++, 0, id, page);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(row, 1);
}

}  // namespace

SerialPortsPage::SerialPortsPage(QWidget* parent) : SettingsPage("TabSheet_serial_ports", parent) {
    addRows(this, {SettingId::Serial2_mode, SettingId::Serial1_mode});
}

BluetoothPage::BluetoothPage(QWidget* parent) : SettingsPage("TabSheet_bluetooth", parent) {
    addRows(this, {SettingId::Bluetooth_name, SettingId::Bluetooth_password});
}

Rs485Page::Rs485Page(QWidget* parent) : SettingsPage("TabSheet_rs485_port", parent) {
    QGridLayout* grid = createPageGrid(this);
    int row = 0;
    for (SettingId id : {SettingId::RS485_mode, SettingId::Telemodule_enable, SettingId::Bitsmodule_enable})
        addLabelledField(*grid, row++, 0, id, this);
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
    addRows(this, {SettingId::Weather_stationtype});
}

SerialConsolePage::SerialConsolePage(QWidget* parent) : SettingsPage("TabSheet_serial_console", parent) {
    QGridLayout* grid = createPageGrid(this);
    addLabelledField(*grid, 0, 0, SettingId::Console_baudrate, this);
    auto* group = new QGroupBox(QStringLiteral("Console debug messages:"), this);
    auto* g = new QGridLayout(group);
    g->setContentsMargins(6, 2, 6, 4);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(3);
    const SettingId debug[] = {SettingId::Debug_rf,        SettingId::Debug_ax25,
                               SettingId::Debug_weather,   SettingId::Debug_telemetry,
                               SettingId::Debug_bluetooth, SettingId::Debug_gps,
                               SettingId::Debug_kiss,      SettingId::Debug_thermo};
    for (int i = 0; i < 8; ++i) addLabelledField(*g, i % 4, (i / 4) * 3, debug[i], group);
    g->setColumnMinimumWidth(2, 16);
    grid->addWidget(group, 1, 0, 1, 3, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(2, 1);
}

GpsReceiverPage::GpsReceiverPage(QWidget* parent) : SettingsPage("TabSheet_gps_receiver", parent) {
    addRows(this, {SettingId::GPS_baudrate});
}

KissPage::KissPage(QWidget* parent) : SettingsPage("TabSheet_kiss", parent) {
    addRows(this, {SettingId::Kiss_baudrate, SettingId::Kiss_direction, SettingId::Kiss_check});
}

}  // namespace zeru::app
