// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/aprs/analog_range.h"
#include "app/fields/field_factory.h"
#include "app/pages/pages.h"
#include "settings/records.h"

namespace zeru::app {
namespace {

void addHeaders(QGridLayout& grid, int row, int firstColumn, std::initializer_list<const char*> headers,
                QWidget* parent) {
    int column = firstColumn;
    for (const char* h : headers) grid.addWidget(createLabel(QLatin1String(h), parent), row, column++);
}

QLabel* createNote(const QString& text, QWidget* parent) {
    QLabel* note = createLabel(text, parent);
    note->setWordWrap(true);
    return note;
}

}  // namespace

ReportSettingsPage::ReportSettingsPage(QWidget* parent) : SettingsPage("TabSheet_report_settings", parent) {
    QGridLayout* grid = createPageGrid(this);
    auto* top = new QGridLayout;
    top->setHorizontalSpacing(6);
    top->setVerticalSpacing(3);
    addLabelledField(*top, 0, 0, SettingId::Tele_enable, this);
    addLabelledField(*top, 1, 0, SettingId::Teletitle, this);
    addLabelledField(*top, 2, 0, SettingId::Tele_holdoff, this);
    top->setColumnStretch(2, 1);
    grid->addLayout(top, 0, 0, 1, 6);

    addHeaders(*grid, 1, 1, {"Dest:", "Path:", "Path:", "RF[min]:"}, this);
    // A report's row: its caption, then destination, two path entries (call
    // and SSID each) and its rate.
    struct ReportRow {
        const char* caption;
        SettingId fields[7];
    };
    const ReportRow rows[] = {
        {"Telemetry parameters:",
         {SettingId::Teleparams_dest_string, SettingId::Teleparams_dest_ssid,
          SettingId::Teleparams_path1_string, SettingId::Teleparams_path1_ssid,
          SettingId::Teleparams_path2_string, SettingId::Teleparams_path2_ssid,
          SettingId::Teleparams_txrate_rf}},
        {"Telemetry data:",
         {SettingId::Teledata_dest_string, SettingId::Teledata_dest_ssid, SettingId::Teledata_path1_string,
          SettingId::Teledata_path1_ssid, SettingId::Teledata_path2_string, SettingId::Teledata_path2_ssid,
          SettingId::Teledata_txrate_rf}},
    };
    int row = 2;
    for (const ReportRow& r : rows) {
        const SettingId* f = r.fields;
        QLabel* label = createLabel(QLatin1String(r.caption), this);
        grid->addWidget(label, row, 0);
        grid->addWidget(createAddressEntry(f[0], f[1], this, label), row, 1);
        grid->addWidget(createAddressEntry(f[2], f[3], this), row, 2);
        grid->addWidget(createAddressEntry(f[4], f[5], this), row, 3);
        grid->addWidget(createSettingWidget(f[6], this), row, 4);
        ++row;
    }
    grid->addWidget(
        createNote(QStringLiteral("Please refer to APRS protocol reference v1.0.1, chapter 13, for more "
                                  "info about telemetry reports, messages, and protocol limitations "
                                  "(\"aprs protocol reference\" in google)."),
                   this),
        row, 0, 1, 6);
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(row + 1, 1);
}

AnalogChannelsPage::AnalogChannelsPage(QWidget* parent) : SettingsPage("TabSheet_analog_channels", parent) {
    QGridLayout* grid = createPageGrid(this);
    grid->setHorizontalSpacing(4);  // the widest page: nine columns
    addHeaders(*grid, 0, 1,
               {"Name:", "Units:", "Source:", "Coeff A:", "Coeff B:", "Coeff C:", "1 min average:"}, this);
    // What each channel's coefficients give, in a band below the note.
    auto* ranges = new QGridLayout;
    ranges->setHorizontalSpacing(16);
    for (int n = 1; n <= 5; ++n) {
        QLabel* label = createLabel(QStringLiteral("Analog %1:").arg(n), this);
        grid->addWidget(label, n, 0);
        int column = 1;
        QWidget* row[7] = {};
        for (SettingId field :
             {SettingId::Teleanalog1_name, SettingId::Teleanalog1_units, SettingId::Teleanalog1_source,
              SettingId::Teleanalog1_coefa, SettingId::Teleanalog1_coefb, SettingId::Teleanalog1_coefc,
              SettingId::Teleanalog1_average}) {
            row[column - 1] = createSettingWidget(analogChannel(n, field), this);
            grid->addWidget(row[column - 1], n, column, Qt::AlignLeft);
            ++column;
        }
        label->setBuddy(row[0]);
        const auto edit = [&](int i) { return qobject_cast<QLineEdit*>(row[i]); };
        QLabel* range = createAnalogRange({edit(1), edit(3), edit(4), edit(5)}, this);
        range->setAccessibleName(QStringLiteral("Analog %1 range").arg(n));
        QLabel* rangeLabel = createLabel(QStringLiteral("Analog %1:").arg(n), this);
        rangeLabel->setBuddy(range);
        auto* cell = new QHBoxLayout;
        cell->setSpacing(6);
        cell->addWidget(rangeLabel);
        cell->addWidget(range, 1);
        ranges->addLayout(cell, (n - 1) / 3, (n - 1) % 3 + 1);
        defaults_[static_cast<std::size_t>(n - 1)] = createButton(
            QStringLiteral("&Default parameters"), QStringLiteral("Button_teleanalog%1_default").arg(n),
            QStringLiteral("Default parameters for analog channel."), this);
        grid->addWidget(defaults_[static_cast<std::size_t>(n - 1)], n, column);
    }
    grid->addWidget(createNote(QStringLiteral("Note: types of telemetry sources are: (M) - from Pelvandrosk, "
                                              "(E) - from external devices, (I) - device internal sources."),
                               this),
                    6, 0, 1, 9);
    ranges->addWidget(createLabel(QStringLiteral("Values over raw\nsamples 0 to 255:"), this), 0, 0, 2, 1);
    ranges->setColumnStretch(4, 1);
    grid->addLayout(ranges, 7, 0, 1, 9);
    grid->setRowStretch(8, 1);
}

DigitalChannelsPage::DigitalChannelsPage(int firstChannel, QWidget* parent)
    : SettingsPage(firstChannel == 1 ? "TabSheet_digital_channels14" : "TabSheet_digital_channels58", parent),
      firstChannel_(firstChannel) {
    QGridLayout* grid = createPageGrid(this);
    addHeaders(*grid, 0, 1, {"Name:", "Label", "Source", "Inverted:"}, this);
    for (int row = 1; row <= 4; ++row) {
        const int n = firstChannel + row - 1;
        QLabel* label = createLabel(QStringLiteral("Digital %1:").arg(n), this);
        grid->addWidget(label, row, 0);
        int column = 1;
        for (SettingId field : {SettingId::Teledigital1_name, SettingId::Teledigital1_units,
                                SettingId::Teledigital1_source, SettingId::Teledigital1_inverted}) {
            QWidget* widget = createSettingWidget(digitalChannel(n, field), this);
            if (column == 1) label->setBuddy(widget);
            grid->addWidget(widget, row, column++, Qt::AlignLeft);
        }
        defaults_[static_cast<std::size_t>(row - 1)] = createButton(
            QStringLiteral("&Default parameters"), QStringLiteral("Button_teledigital%1_default").arg(n),
            QStringLiteral("Default parameters for digital channel."), this);
        grid->addWidget(defaults_[static_cast<std::size_t>(row - 1)], row, column);
    }
    grid->setColumnStretch(6, 1);
    grid->setRowStretch(5, 1);
}

OrvaxeOutputsPage::OrvaxeOutputsPage(QWidget* parent) : SettingsPage("TabSheet_orvaxe_outputs", parent) {
    QGridLayout* grid = createPageGrid(this);
    for (int n = 1; n <= 4; ++n) addLabelledField(*grid, n - 1, 0, orvaxeOutput(n), this);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(4, 1);
}

}  // namespace zeru::app
