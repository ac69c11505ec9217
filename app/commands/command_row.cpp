// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commands/command_row.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <stdexcept>
#include <vector>

#include "app/commands/device_status.h"
#include "app/fields/field_factory.h"
#include "app/widgets/flow_layout.h"

namespace zeru::app {
namespace {

struct ButtonText {
    const char* caption;
    const char* name;
    const char* tooltip;
};

// Appends the group's buttons to `made`, in the order given.
QGroupBox* createGroup(const char* title, const char* name, std::initializer_list<ButtonText> buttons,
                       QWidget* parent, std::vector<QPushButton*>& made) {
    auto* group = new QGroupBox(QLatin1String(title), parent);
    group->setObjectName(QLatin1String(name));
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(6, 2, 6, 4);
    row->setSpacing(4);
    for (const ButtonText& b : buttons) {
        made.push_back(
            createButton(QLatin1String(b.caption), QLatin1String(b.name), QLatin1String(b.tooltip), group));
        row->addWidget(made.back());
    }
    return group;
}

// A small arrow beside "Read from file" that opens the list of recent files.
QToolButton* createRecentFilesButton(QWidget* parent, QMenu*& menu) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QStringLiteral("Button_recent_files"));
    button->setArrowType(Qt::DownArrow);
    button->setToolTip(QStringLiteral("Reads a recently used configuration file."));
    button->setAccessibleName(QStringLiteral("Recent files"));
    button->setPopupMode(QToolButton::InstantPopup);
    button->setStyleSheet(
        QStringLiteral("QToolButton::menu-indicator { image: none; }"));  // the arrow says it
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    menu = new QMenu(button);
    menu->setObjectName(QStringLiteral("Menu_recent_files"));
    button->setMenu(menu);
    return button;
}

}  // namespace

CommandRow::CommandRow(QWidget* parent) : QWidget(parent), deviceStatus_(new DeviceStatus(this)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    // The groups and tools wrap onto a second line where the window is narrow.
    auto* groups = new QWidget(this);
    groups->setObjectName(QStringLiteral("Command_groups"));
    flow_ = new FlowLayout(groups, 6, 4);
    // In the order of CommandButton.
    std::vector<QPushButton*> made;
    flow_->addWidget(
        createGroup("Connection:", "GroupBox3",
                    {{"&Read config", "Button_read_config", "Reads current configuration from device."},
                     {"&Write config", "Button_write_config", "Writes current configuration to device."},
                     {"&Upload firmware", "Button_upload_firmware", "Uploads firmware to device."}},
                    groups, made));
    QGroupBox* files = createGroup("Configuration import/export:", "GroupBox1",
                                   {{"&Save to file", "Button_save_to_file",
                                     "Saves current configuration from Configurator application to file."},
                                    {"Read &from file", "Button_read_from_file",
                                     "Reads current configuration from file to Configurator application."}},
                                   groups, made);
    files->layout()->addWidget(createRecentFilesButton(files, recentFiles_));
    made.push_back(createButton(
        QStringLiteral("&Backups"), QStringLiteral("Button_backups"),
        QStringLiteral("Reads a backup taken before a write or an upload to Configurator application."),
        files));
    files->layout()->addWidget(made.back());
    if (made.size() != buttons_.size()) throw std::logic_error("the command row needs six buttons");
    std::copy(made.begin(), made.end(), buttons_.begin());
    flow_->addWidget(files);
    row->addWidget(groups, 1);

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Image1"));
    const QSize logoSize(169, 49);
    // QIcon takes logo@2x.png where the screen has two pixels to a point.
    logo->setPixmap(QIcon(QStringLiteral(":/pictures/logo.png")).pixmap(logoSize, devicePixelRatioF()));
    logo->setFixedSize(logoSize);
    // The connection state above the logo: the row has no width to spare.
    auto* corner = new QVBoxLayout;
    corner->setSpacing(2);
    corner->addWidget(deviceStatus_, 0, Qt::AlignRight);
    corner->addWidget(logo);
    corner->addStretch(1);
    row->addLayout(corner);
}

void CommandRow::addTool(QWidget* tool) { flow_->addWidget(tool); }

}  // namespace zeru::app
