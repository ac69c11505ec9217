// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGridLayout>

#include "app/fields/field_factory.h"
#include "app/pages/pages.h"

namespace zeru::app {

WeatherReportsPage::WeatherReportsPage(QWidget* parent) : SettingsPage("TabSheet_weather_reports", parent) {
    QGridLayout* grid = createPageGrid(this);
    const char* headers[] = {"Dest:", "Path 1:", "Path 2:", "RF[min]:", "Enable if:", "Send position:"};
    for (int c = 0; c < 6; ++c) grid->addWidget(createLabel(QLatin1String(headers[c]), this), 0, c + 1);
    QLabel* report = createLabel(QStringLiteral("Weather report:"), this);
    grid->addWidget(report, 1, 0);
    grid->addWidget(
        createAddressEntry(SettingId::Weather_dest_string, SettingId::Weather_dest_ssid, this, report), 1, 1);
    grid->addWidget(createAddressEntry(SettingId::Weather_path1_string, SettingId::Weather_path1_ssid, this),
                    1, 2);
    grid->addWidget(createAddressEntry(SettingId::Weather_path2_string, SettingId::Weather_path2_ssid, this),
                    1, 3);
    grid->addWidget(createSettingWidget(SettingId::Weather_txrate, this), 1, 4);
    grid->addWidget(createSettingWidget(SettingId::Weather_enable, this), 1, 5);
    grid->addWidget(createSettingWidget(SettingId::Weather_position, this), 1, 6);

    // The comment field below the report row.
    grid->setRowMinimumHeight(2, 8);
    QWidget* comment = createSettingWidget(SettingId::Weather_comment, this);
    grid->addWidget(createLabel(QStringLiteral("Comment:"), this, comment), 3, 0);
    grid->addWidget(comment, 3, 1, 1, 3);
    grid->setColumnStretch(7, 1);
    grid->setRowStretch(4, 1);
}

}  // namespace zeru::app
