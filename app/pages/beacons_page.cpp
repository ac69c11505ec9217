// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>

#include "app/fields/field_factory.h"
#include "app/pages/pages.h"
#include "settings/records.h"

namespace zeru::app {

BeaconsPage::BeaconsPage(QWidget* parent) : SettingsPage("TabSheet_beacons", parent) {
    QGridLayout* grid = createPageGrid(this);
    const char* headers[] = {"Dest:", "Path 1:", "Path 2:", "RF[min]:", "Enable if:"};
    for (int c = 0; c < 5; ++c) grid->addWidget(createLabel(QLatin1String(headers[c]), this), 0, c + 1);

    // The message column's header shares its row with the "Special strings"
    // button, which stands at the page's top right.
    auto* messageHeader = new QHBoxLayout;
    messageHeader->setContentsMargins(0, 0, 0, 0);
    messageHeader->addWidget(createLabel(QStringLiteral("Message (empty fields are ignored):"), this));
    messageHeader->addStretch(1);
    specialStrings_ =
        createButton(QStringLiteral("Special strings"), QStringLiteral("Button_special_strings"), {}, this);
    messageHeader->addWidget(specialStrings_);
    grid->addLayout(messageHeader, 0, 6);

    for (int n = 1; n <= 4; ++n) {
        QLabel* number = createLabel(QStringLiteral("%1:").arg(n), this);
        grid->addWidget(number, n, 0);
        grid->addWidget(createAddressEntry(beacon(n, SettingId::Beacon1_dest_string),
                                           beacon(n, SettingId::Beacon1_dest_ssid), this, number),
                        n, 1);
        grid->addWidget(createAddressEntry(beacon(n, SettingId::Beacon1_path1_string),
                                           beacon(n, SettingId::Beacon1_path1_ssid), this),
                        n, 2);
        grid->addWidget(createAddressEntry(beacon(n, SettingId::Beacon1_path2_string),
                                           beacon(n, SettingId::Beacon1_path2_ssid), this),
                        n, 3);
        grid->addWidget(createSettingWidget(beacon(n, SettingId::Beacon1_txrate), this), n, 4);
        grid->addWidget(createSettingWidget(beacon(n, SettingId::Beacon1_enable), this), n, 5);
        grid->addWidget(createSettingWidget(beacon(n, SettingId::Beacon1_message), this), n, 6);
    }
    grid->setColumnStretch(6, 1);
    grid->setRowStretch(5, 1);
}

}  // namespace zeru::app
