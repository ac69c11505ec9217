// SPDX-License-Identifier: GPL-3.0-or-later
// The station's position in the forms people copy from maps: a dialog that
// reads decimal degrees, degrees and minutes (with or without seconds) or a
// Maidenhead locator and fills Latitude and Longitude in the device's form;
// the same on a paste into either field; and beside the fields the position
// in decimal degrees and as a locator.
#pragma once

#include <QDialog>
#include <optional>

#include "aprs/coordinates.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zeru::app {

class CoordinateEntryDialog : public QDialog {
    Q_OBJECT
public:
    explicit CoordinateEntryDialog(QWidget* parent);

    // The position typed, when it reads as one.
    std::optional<aprs::Position> position() const;

private:
    void preview();

    QLineEdit* input_;
    QLabel* result_;
    QPushButton* ok_;
};

// Fills the two fields from a position (what the dialog and a paste do).
void fillCoordinateFields(const aprs::Position& position, QLineEdit* latitude, QLineEdit* longitude);

// The "Position…" button with its summary for beside the fields; also makes a
// paste of a whole position into either field fill both.
QWidget* createPositionButton(QLineEdit* latitude, QLineEdit* longitude, QWidget* parent);
QLabel* createPositionSummary(QLineEdit* latitude, QLineEdit* longitude, QWidget* parent);

}  // namespace zeru::app
