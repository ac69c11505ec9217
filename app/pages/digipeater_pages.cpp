// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGridLayout>

#include "app/fields/field_factory.h"
#include "app/pages/pages.h"

namespace zeru::app {

DigipeaterCommonPage::DigipeaterCommonPage(QWidget* parent)
    : SettingsPage("TabSheet_common_settings", parent) {
    QGridLayout* grid = createPageGrid(this);
    addLabelledField(*grid, 0, 0, "Digion", this);
    addLabelledField(*grid, 1, 0, "Floodtimeout", this);
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
            const std::string a = "Alias" + std::to_string(n);
            const int row = i + 1;
            QWidget* alias = createSettingWidget(a + "_name", this);
            grid->addWidget(createLabel(QStringLiteral("%1:").arg(n), this, alias), row, c);
            grid->addWidget(alias, row, c + 1);
            grid->addWidget(createLabel(QStringLiteral("-"), this), row, c + 2);
            grid->addWidget(createSettingWidget(a + "_ssid", this), row, c + 3);
            grid->addWidget(createSettingWidget(a + "_traceable", this), row, c + 4);
            grid->addWidget(createSettingWidget(a + "_enable", this), row, c + 5);
        }
    }
    grid->setColumnMinimumWidth(6, 24);
    grid->setColumnStretch(2 * kColumnsPerBlock - 1, 1);
    grid->setRowStretch(5, 1);
}

}  // namespace zeru::app
