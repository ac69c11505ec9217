// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the widgets of the settings pages from the catalogue, so that every
// page shows a setting the same way: objectName = setting name, tooltip = help
// text, typing limit and choice entries as catalogued. Values are not set here:
// the start-up sequence gives every setting its default.
#pragma once

#include <QLabel>
#include <QMargins>
#include <QPushButton>
#include <QString>
#include <string_view>

#include "app/widgets/core_text.h"
#include "settings/catalogue.h"

class QGridLayout;
class QWidget;

namespace zeru::app {

// The widget of one setting: a line edit, a drop-down list, or for the beacon
// messages the two-line message field.
QWidget* createSettingWidget(const SettingDef& def, QWidget* parent);
QWidget* createSettingWidget(SettingId id, QWidget* parent);

// A static text (never read as markup: texts such as "<volt>" show as typed).
// Every field gets an accessible name (settings/spoken_name.h); labels beside
// a field are its buddy.
QLabel* createLabel(const QString& text, QWidget* parent, const QString& objectName = {});

// A label that names `buddy` (a screen reader reads it with the field).
QLabel* createLabel(const QString& text, QWidget* parent, QWidget* buddy);

// An address entry: call, a "-" and the SSID, side by side; `label`, when
// given, names the call field.
QWidget* createAddressEntry(SettingId call, SettingId ssid, QWidget* parent, QLabel* label = nullptr);

// Puts the catalogue label of `id` at (row, column) and its widget at
// (row, column + 1); returns the widget.
QWidget* addLabelledField(QGridLayout& grid, int row, int column, SettingId id, QWidget* parent);

// A push button with its caption, objectName and tooltip.
QPushButton* createButton(const QString& caption, const QString& objectName, const QString& tooltip,
                          QWidget* parent);

// A grid with the tight spacing all pages and groups share.
QGridLayout* createPageGrid(QWidget* page, const QMargins& margins = QMargins(6, 4, 6, 4));

}  // namespace zeru::app
