// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_row.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "app/device_status.h"
#include "app/field_factory.h"

namespace zeru::app {
namespace {

struct ButtonText {
    const char* caption;
    const char* name;
    const char* tooltip;
};

QGroupBox* createGroup(const char* title, const char* name, std::initializer_list<ButtonText> buttons,
                       QWidget* parent) {
    auto* group = new QGroupBox(QLatin1String(title), parent);
    group->setObjectName(QLatin1String(name));
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(6, 2, 6, 4);
    row->setSpacing(4);
    for (const ButtonText& b : buttons)
        row->addWidget(
            createButton(QLatin1String(b.caption), QLatin1String(b.name), QLatin1String(b.tooltip), group));
    return group;
}

}  // namespace

CommandRow::CommandRow(QWidget* parent) : QWidget(parent), deviceStatus_(new DeviceStatus(this)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    row->addWidget(
        createGroup("Connection:", "GroupBox3",
                    {{"Read config", "Button_read_config", "Reads current configuration from device."},
                     {"Write config", "Button_write_config", "Writes current configuration to device."},
                     {"Upload firmware", "Button_upload_firmware", "Uploads firmware to device."}},
                    this));
    row->addWidget(createGroup("Configuration import/export:", "GroupBox1",
                               {{"Save to file", "Button_save_to_file",
                                 "Saves current configuration from Configurator application to file."},
                                {"Read from file", "Button_read_from_file",
                                 "Reads current configuration from file to Configurator application."}},
                               this));
    row->addWidget(deviceStatus_);
    row->addStretch(1);

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setPixmap(QPixmap(QStringLiteral(":/pictures/logo.png")));
    logo->setFixedSize(169, 49);
    row->addWidget(logo, 0, Qt::AlignVCenter);
}

}  // namespace zeru::app
