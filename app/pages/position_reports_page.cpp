// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/aprs/smart_beaconing_chart.h"
#include "app/aprs/symbol_picker.h"
#include "app/fields/field_factory.h"
#include "app/pages/pages.h"
#include "rules/rules.h"
#include "settings/records.h"

namespace zeru::app {
namespace {

QGridLayout* createGroupGrid(QGroupBox* group) { return createPageGrid(group, QMargins(6, 2, 6, 4)); }

// A column of the page headed by the choice `head`; its groups go below.
QVBoxLayout* createColumn(QWidget* column, SettingId head) {
    auto* box = new QVBoxLayout(column);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(3);
    auto* top = new QGridLayout;
    addLabelledField(*top, 0, 0, head, column);
    top->setColumnStretch(2, 1);
    box->addLayout(top);
    return box;
}

// When and how often the device reports: the mode and the two timing groups.
QWidget* createTimingColumn(QWidget* page) {
    auto* column = new QWidget(page);
    QVBoxLayout* box = createColumn(column, SettingId::Position_report_mode);

    auto* smart = new QGroupBox(QStringLiteral("SmartBeaconing:"), column);
    QGridLayout* s = createGroupGrid(smart);
    const SettingId fields[] = {
        SettingId::Smartbeaconing_min_turn_angle, SettingId::Smartbeaconing_turn_slope,
        SettingId::Smartbeaconing_min_turn_time,  SettingId::Smartbeaconing_slow_speed,
        SettingId::Smartbeaconing_slow_period,    SettingId::Smartbeaconing_fast_speed,
        SettingId::Smartbeaconing_fast_period};
    SmartBeaconingFields edits{};
    for (std::size_t i = 0; i < edits.size(); ++i) {
        const int n = static_cast<int>(i);
        edits[i] = qobject_cast<QLineEdit*>(addLabelledField(*s, n % 4, (n / 4) * 2, fields[i], smart));
    }
    s->addWidget(createSmartBeaconingChartButton(edits, smart), 3, 2, 1, 2, Qt::AlignLeft);
    box->addWidget(smart);

    auto* fixed = new QGroupBox(QStringLiteral("Fixed time interval:"), column);
    QGridLayout* f = createGroupGrid(fixed);
    addLabelledField(*f, 0, 0, SettingId::Position_report_interval, fixed);
    f->setColumnStretch(2, 1);
    box->addWidget(fixed);
    box->addStretch(1);
    return column;
}

// What a report holds: the encoding and its settings.
QWidget* createEncodingColumn(QWidget* page) {
    auto* column = new QWidget(page);
    QVBoxLayout* box = createColumn(column, SettingId::Position_report_encoding);

    auto* group = new QGroupBox(QStringLiteral("Report encoding settings:"), column);
    QGridLayout* g = createGroupGrid(group);
    auto* code = qobject_cast<QLineEdit*>(addLabelledField(*g, 0, 0, SettingId::Position_symbol_code, group));
    // The table field, then the picker and the symbol's description.
    auto* table = qobject_cast<QLineEdit*>(createSettingWidget(SettingId::Position_symbol_table, group));
    g->addWidget(
        createLabel(latin1(settingsCatalogue().def(SettingId::Position_symbol_table).label), group, table), 0,
        2);
    auto* symbol = new QHBoxLayout;
    symbol->addWidget(table);
    symbol->addWidget(createSymbolHelper(code, table, group), 1);
    g->addLayout(symbol, 0, 3);

    // "Mic-E" over "message:", two labels the encoding rule switches with the list.
    auto* micE = new QWidget(group);
    auto* micELines = new QVBoxLayout(micE);
    micELines->setContentsMargins(0, 0, 0, 0);
    micELines->setSpacing(0);
    micELines->addWidget(
        createLabel(QStringLiteral("Mic-E"), micE, QLatin1String(rules::kLabelMiceMessage1)));
    QLabel* micEMessage =
        createLabel(QStringLiteral("message:"), micE, QLatin1String(rules::kLabelMiceMessage2));
    micELines->addWidget(micEMessage);
    g->addWidget(micE, 1, 0);
    QWidget* message = createSettingWidget(SettingId::Mice_message, group);
    micEMessage->setBuddy(message);
    g->addWidget(message, 1, 1, Qt::AlignLeft);
    QLabel* timeLabel = createLabel(QStringLiteral("Time:"), group, QLatin1String(rules::kLabelPositionTime));
    QWidget* time = createSettingWidget(SettingId::Position_time, group);
    timeLabel->setBuddy(time);
    g->addWidget(timeLabel, 1, 2);
    g->addWidget(time, 1, 3, Qt::AlignLeft);

    // The digipeater path: three address entries separated by ",".
    QLabel* pathLabel = createLabel(QStringLiteral("Path:"), group);
    g->addWidget(pathLabel, 2, 0);
    auto* path = new QWidget(group);
    auto* entries = new QHBoxLayout(path);
    entries->setContentsMargins(0, 0, 0, 0);
    entries->setSpacing(2);
    for (int n = 1; n <= 3; ++n) {
        if (n > 1) entries->addWidget(createLabel(QStringLiteral(","), path));
        entries->addWidget(createAddressEntry(positionPath(n, SettingId::Position_path1),
                                              positionPath(n, SettingId::Position_ssid1), path,
                                              n == 1 ? pathLabel : nullptr));
    }
    entries->addStretch(1);
    g->addWidget(path, 2, 1, 1, 3);

    QWidget* status = createSettingWidget(SettingId::Position_status_text, group);
    g->addWidget(createLabel(QStringLiteral("Status text:"), group, status), 3, 0);
    g->addWidget(status, 3, 1, 1, 3);
    addLabelledField(*g, 4, 0, SettingId::Position_coursespeed, group);
    addLabelledField(*g, 4, 2, SettingId::Position_altitude, group);
    // The two fix-lost settings have long labels: one row each across the group.
    auto* fixLost = new QGridLayout;
    fixLost->setHorizontalSpacing(6);
    fixLost->setVerticalSpacing(3);
    addLabelledField(*fixLost, 0, 0, SettingId::Position_reportonfixlost, group);
    addLabelledField(*fixLost, 1, 0, SettingId::Position_fixlost_interval, group);
    fixLost->setColumnStretch(2, 1);
    g->addLayout(fixLost, 5, 0, 1, 4);
    g->setColumnStretch(3, 1);
    box->addWidget(group);
    box->addStretch(1);
    return column;
}

}  // namespace

PositionReportsPage::PositionReportsPage(QWidget* parent)
    : SettingsPage("TabSheet_position_reports", parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 4, 6, 4);
    row->setSpacing(10);
    row->addWidget(createTimingColumn(this));
    row->addWidget(createEncodingColumn(this), 1);
}

}  // namespace zeru::app
