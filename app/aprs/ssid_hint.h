// SPDX-License-Identifier: GPL-3.0-or-later
// Beside an SSID field, what its number usually tells other stations.
#pragma once

class QLabel;
class QLineEdit;
class QWidget;

namespace zeru::app {

QLabel* createSsidHint(QLineEdit* ssid, QWidget* parent);

}  // namespace zeru::app
