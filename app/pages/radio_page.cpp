// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGridLayout>
#include <QLineEdit>

#include "app/aprs/coordinate_entry.h"
#include "app/aprs/ssid_hint.h"
#include "app/fields/field_factory.h"
#include "app/pages/pages.h"

namespace zeru::app {

RadioPage::RadioPage(QWidget* parent) : SettingsPage("TabSheet_radio", parent) {
    QGridLayout* grid = createPageGrid(this);
    // The station call and its SSID form one address entry under one label.
    QLabel* callsign = createLabel(QStringLiteral("Callsign:"), this);
    grid->addWidget(callsign, 0, 0);
    QWidget* station = createAddressEntry(SettingId::Callsign, SettingId::Ssid, this, callsign);
    grid->addWidget(station, 0, 1, Qt::AlignLeft);
    const SettingId left[] = {SettingId::Latitude, SettingId::Longitude, SettingId::Txdelay,
                              SettingId::Quiettime, SettingId::Quiettime_randomize};
    QWidget* fields[5] = {};
    for (int i = 0; i < 5; ++i) fields[i] = addLabelledField(*grid, i + 1, 0, left[i], this);
    // What the station's SSID and position mean on the air, between the halves.
    auto* latitude = qobject_cast<QLineEdit*>(fields[0]);
    auto* longitude = qobject_cast<QLineEdit*>(fields[1]);
    grid->addWidget(createSsidHint(station->findChildren<QLineEdit*>().constLast(), this), 0, 2);
    grid->addWidget(createPositionButton(latitude, longitude, this), 1, 2, Qt::AlignLeft);
    QLabel* summary = createPositionSummary(latitude, longitude, this);
    summary->setContentsMargins(0, 0, 18, 0);  // apart from the right half's labels
    grid->addWidget(summary, 2, 2);
    const SettingId right[] = {SettingId::Ptt, SettingId::Squelch, SettingId::Busydetect,
                               SettingId::Consecutive_packets, SettingId::Output_level};
    int row = 0;
    for (SettingId id : right) addLabelledField(*grid, row++, 3, id, this);
    grid->setColumnMinimumWidth(2, 24);
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(6, 1);
}

}  // namespace zeru::app
