// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commands/window_layout_store.h"

namespace zeru::app {
namespace {

constexpr const char* kKey = "window/layout";

}  // namespace

WindowLayoutStore::WindowLayoutStore()
    : settings_(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Kestrovane"),
                QStringLiteral("Zeru Configurator")) {}

WindowLayoutStore::WindowLayoutStore(const QString& file) : settings_(file, QSettings::IniFormat) {}

QByteArray WindowLayoutStore::layout() const { return settings_.value(QLatin1String(kKey)).toByteArray(); }

void WindowLayoutStore::setLayout(const QByteArray& layout) {
    settings_.setValue(QLatin1String(kKey), layout);
    settings_.sync();  // the program ends right after
}

}  // namespace zeru::app
