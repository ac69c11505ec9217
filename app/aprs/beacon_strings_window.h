// SPDX-License-Identifier: GPL-3.0-or-later
// Form2, the reference card of the placeholders a beacon message may hold.
// Created hidden once at start-up and shown modally, again and again, by the
// "Special strings" button; it keeps no state.
#pragma once

#include <QDialog>

namespace zeru::app {

class BeaconStringsWindow : public QDialog {
    Q_OBJECT
public:
    explicit BeaconStringsWindow(QWidget* parent = nullptr);

    // Shows the window application-modal: the main window takes no input until
    // it is closed. Returns at once.
    void showModally();
};

}  // namespace zeru::app
