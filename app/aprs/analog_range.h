// SPDX-License-Identifier: GPL-3.0-or-later
// Beside an analog telemetry channel, the values its coefficients give over
// the raw samples 0 to 255, with its unit: "0 … 19.1 Volt".
#pragma once

class QLabel;
class QLineEdit;
class QWidget;

namespace zeru::app {

struct AnalogChannelFields {
    QLineEdit* units;
    QLineEdit* a;
    QLineEdit* b;
    QLineEdit* c;
};

QLabel* createAnalogRange(const AnalogChannelFields& fields, QWidget* parent);

}  // namespace zeru::app
