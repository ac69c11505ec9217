// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commands/recent_files_store.h"

#include <QFile>

namespace zeru::app {
namespace {

constexpr const char* kKey = "files/recent";

}  // namespace

RecentFilesStore::RecentFilesStore()
    : settings_(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Kestrovane"),
                QStringLiteral("Zeru Configurator")) {}

RecentFilesStore::RecentFilesStore(const QString& file) : settings_(file, QSettings::IniFormat) {}

QStringList RecentFilesStore::recentFileNames() const {
    return settings_.value(QLatin1String(kKey)).toStringList();
}

std::vector<std::string> RecentFilesStore::recentFiles() const {
    std::vector<std::string> files;
    for (const QString& name : recentFileNames()) files.push_back(QFile::encodeName(name).toStdString());
    return files;
}

void RecentFilesStore::setRecentFiles(const std::vector<std::string>& files) {
    QStringList names;
    for (const std::string& file : files) names << QFile::decodeName(QByteArray::fromStdString(file));
    settings_.setValue(QLatin1String(kKey), names);
}

}  // namespace zeru::app
