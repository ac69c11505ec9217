// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's size, place and log height between runs, kept beside the
// recent files in the configurator's own settings file.
#pragma once

#include <QByteArray>
#include <QSettings>

namespace zeru::app {

class WindowLayoutStore {
public:
    WindowLayoutStore();
    // Kept in `file` instead (tests).
    explicit WindowLayoutStore(const QString& file);

    // "" when none was kept.
    QByteArray layout() const;
    void setLayout(const QByteArray& layout);

private:
    QSettings settings_;
};

}  // namespace zeru::app
