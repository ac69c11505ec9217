// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGridLayout>

#include "app/fields/field_factory.h"
#include "app/pages/pages.h"
#include "settings/records.h"

namespace zeru::app {

DigipeaterCommonPage::DigipeaterCommonPage(QWidget* parent)
    : SettingsPage("TabSheet_common_settings", parent) {
    QGridLayout* grid = createPageGrid(this);
    addLabelledField(*grid, 0, 0, SettingId::Digion, this);
    addLabelledField(*grid, 1, 0, SettingId::Floodtimeout, this);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(2, 1);
}

SimpleAliasesPage::SimpleAliasesPage(QWidget* parent) : SettingsPage("TabSheet_simple_aliases", parent) {
    QGridLayout* grid = createPageGrid(this);
    // Rules 1 to 4 on the left, 5 to 8 on the right, each block under its own headers.
    constexpr int kColumnsPerBlock = 7;  // number, alias, "-", ssid, traceable, enable, gap
    for (int block = 0; block < 2; ++block) {
        const int c = block * kColumnsPerBlock;
        grid->addWidget(createLabel(QStringLiteral("Alias:"), this), 0, c + 1);
        grid->addWidget(createLabel(QStringLiteral("Ssid:"), this), 0, c + 3);
        grid->addWidget(createLabel(QStringLiteral("Traceable:"), this), 0, c + 4);
        grid->addWidget(createLabel(QStringLiteral("Enable if:"), this), 0, c + 5);
        for (int i = 0; i < 4; ++i) {
            const int n = block * 4 + i + 1;
            const int row = i + 1;
            QWidget* name = createSettingWidget(alias(n, SettingId::Alias1_name), this);
            grid->addWidget(createLabel(QStringLiteral("%1:").arg(n), this, name), row, c);
            grid->addWidget(name, row, c + 1);
            grid->addWidget(createLabel(QStringLiteral("-"), this), row, c + 2);
            grid->addWidget(createSettingWidget(alias(n, SettingId::Alias1_ssid), this), row, c + 3);
            grid->addWidget(createSettingWidget(alias(n, SettingId::Alias1_traceable), this), row, c + 4);
            grid->addWidget(createSettingWidget(alias(n, SettingId::Alias1_enable), this), row, c + 5);
        }
    }
    grid->setColumnMinimumWidth(6, 24);
    grid->setColumnStretch(2 * kColumnsPerBlock - 1, 1);
    grid->setRowStretch(5, 1);
}

}  // namespace zeru::app
