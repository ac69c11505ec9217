// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/fields/field_factory.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "app/fields/beacon_message_edit.h"
#include "app/fields/choice_box.h"
#include "app/fields/field_width.h"
#include "changes/setting_reset.h"
#include "settings/spoken_name.h"

namespace zeru::app {

namespace {

// Identifiers up to this length (calls, names, titles) get a field of their own width.
constexpr int kLongestFixedField = 23;

bool isBeaconMessage(const SettingDef& def) {
    return def.name.starts_with("Beacon") && def.name.ends_with("_message");
}

QWidget* createLineEdit(const SettingDef& def, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(def.maxLength);
    // Every field shows its longest text whole; sentences may stretch further.
    const int width = lineEditWidthFor(*edit, widestContent(def, edit->fontMetrics()));
    if (def.maxLength <= kLongestFixedField) {
        edit->setFixedWidth(width);
    } else {
        edit->setMinimumWidth(width);
        edit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }
    return edit;
}

QWidget* createComboBox(const SettingDef& def, QWidget* parent) {
    auto* box = new ChoiceBox(parent);
    box->setEditable(false);  // only the listed entries can be picked
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(def.choices.size()));
    for (std::string_view entry : def.choices) entries.append(latin1(entry));
    box->addItems(entries);
    box->setCurrentIndex(-1);
    // The lists never change after start-up, so sizing each box to its
    // entries when it is first shown (Qt's default) gives the same widths as
    // sizing it at once, without measuring the boxes of pages not yet shown.
    return box;
}

}  // namespace

QWidget* createSettingWidget(const SettingDef& def, QWidget* parent) {
    QWidget* widget = nullptr;
    if (def.kind == SettingKind::Choice) {
        widget = createComboBox(def, parent);
    } else if (isBeaconMessage(def)) {
        auto* message = new BeaconMessageEdit(parent);
        message->setMaxLength(def.maxLength);
        message->setMinimumWidth(twoLineEditWidthFor(*message, widestContent(def, message->fontMetrics())));
        widget = message;
    } else {
        widget = createLineEdit(def, parent);
    }
    widget->setObjectName(latin1(def.name));
    widget->setAccessibleName(latin1(spokenName(def)));
    // The help, then the start-up value that "Reset to default" gives back.
    const QString note = latin1(changes::defaultNote(def));
    widget->setToolTip(def.help.empty() ? note : latin1(def.help) + QLatin1Char('\n') + note);
    return widget;
}

QWidget* createSettingWidget(SettingId id, QWidget* parent) {
    return createSettingWidget(settingsCatalogue().def(id), parent);
}

QLabel* createLabel(const QString& text, QWidget* parent, const QString& objectName) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    if (!objectName.isEmpty()) label->setObjectName(objectName);
    return label;
}

QLabel* createLabel(const QString& text, QWidget* parent, QWidget* buddy) {
    QLabel* label = createLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QWidget* createAddressEntry(SettingId call, SettingId ssid, QWidget* parent, QLabel* label) {
    auto* entry = new QWidget(parent);
    auto* row = new QHBoxLayout(entry);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    QWidget* callField = createSettingWidget(call, entry);
    if (label) label->setBuddy(callField);
    row->addWidget(callField);
    row->addWidget(createLabel(QStringLiteral("-"), entry));
    row->addWidget(createSettingWidget(ssid, entry));
    entry->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return entry;
}

QWidget* addLabelledField(QGridLayout& grid, int row, int column, SettingId id, QWidget* parent) {
    const SettingDef& def = settingsCatalogue().def(id);
    QLabel* label = createLabel(latin1(def.label), parent);
    grid.addWidget(label, row, column);
    QWidget* field = createSettingWidget(def, parent);
    label->setBuddy(field);
    grid.addWidget(field, row, column + 1, Qt::AlignLeft);
    return field;
}

QPushButton* createButton(const QString& caption, const QString& objectName, const QString& tooltip,
                          QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    if (!tooltip.isEmpty()) button->setToolTip(tooltip);
    button->setAutoDefault(false);
    return button;
}

QGridLayout* createPageGrid(QWidget* page, const QMargins& margins) {
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(margins);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    return grid;
}

}  // namespace zeru::app
