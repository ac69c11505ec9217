// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGridLayout>

#include "app/field_factory.h"
#include "app/pages/pages.h"

namespace zeru::app {

RadioPage::RadioPage(QWidget* parent) : SettingsPage("TabSheet_radio", parent) {
    QGridLayout* grid = createPageGrid(this);
    // The station call and its SSID form one address entry under one label.
    QLabel* callsign = createLabel(QStringLiteral("Callsign:"), this);
    grid->addWidget(callsign, 0, 0);
    grid->addWidget(createAddressEntry("Callsign", "Ssid", this, callsign), 0, 1, Qt::AlignLeft);
    const char* left[] = {"Latitude", "Longitude", "Txdelay", "Quiettime", "Quiettime_randomize"};
    int row = 1;
    for (const char* name : left) addLabelledField(*grid, row++, 0, name, this);
    const char* right[] = {"Ptt", "Squelch", "Busydetect", "Consecutive_packets", "Output_level"};
    row = 0;
    for (const char* name : right) addLabelledField(*grid, row++, 3, name, this);
    grid->setColumnMinimumWidth(2, 24);
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(6, 1);
}

}  // namespace zeru::app
