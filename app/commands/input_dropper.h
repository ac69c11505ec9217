// SPDX-License-Identifier: GPL-3.0-or-later
// Drops mouse and keyboard input aimed at one window while a command runs.
//
// A click on a greyed-out button during a transfer would otherwise wait in the
// queue and run once the buttons are enabled again: a second command that
// nobody meant to start. Dialogs the command opens are windows of their own
// and keep their input.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace zeru::app {

class InputDropper : public QObject {
public:
    // Starts dropping input aimed at `window` (or any widget inside it).
    explicit InputDropper(QWidget& window);
    // Delivers what is still queued, dropping the input among it, then stops.
    ~InputDropper() override;
    InputDropper(const InputDropper&) = delete;
    InputDropper& operator=(const InputDropper&) = delete;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool aimsAtWindow(QObject* watched) const;

    QPointer<QWidget> window_;
};

}  // namespace zeru::app
