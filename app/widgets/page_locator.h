// SPDX-License-Identifier: GPL-3.0-or-later
// Where a field sits in the tree of tabbed pages, and bringing it to the user.
#pragma once

#include <QString>
#include <string_view>
#include <utility>
#include <vector>

class QTabWidget;
class QWidget;

namespace zeru::app {

// Every tab that holds `widget`, innermost first: the tab control and the
// index of the page on it.
std::vector<std::pair<QTabWidget*, int>> tabsHolding(const QWidget* widget);

// The captions of those pages, outermost first: "Telemetry reports / Analog channels".
QString pageCaption(const QWidget* widget);

// What a list calls a setting's field: its accessible name, else its
// catalogue label without the colon, else its file key ("Radio.SSID").
QString fieldName(const QWidget* field, std::string_view setting);

// Shows every page that holds `field`, puts the keyboard focus in it and,
// when asked, selects its text.
void showField(QWidget* field, bool selectText);

}  // namespace zeru::app
