// SPDX-License-Identifier: GPL-3.0-or-later
// The recent configuration files kept in the configurator's own settings file
// (~/.config/Kestrovane/Zeru Configurator.conf, or under $XDG_CONFIG_HOME).
#pragma once

#include <QSettings>
#include <QStringList>

#include "cfgfile/file_history.h"

namespace zeru::app {

class RecentFilesStore final : public cfgfile::FileHistory {
public:
    RecentFilesStore();
    // Kept in `file` instead (tests).
    explicit RecentFilesStore(const QString& file);

    std::vector<std::string> recentFiles() const override;
    void setRecentFiles(const std::vector<std::string>& files) override;
    // The same list, as the window shows it.
    QStringList recentFileNames() const;

private:
    QSettings settings_;
};

}  // namespace zeru::app
