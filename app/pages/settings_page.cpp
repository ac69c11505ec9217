// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pages/pages.h"

namespace zeru::app {

SettingsPage::SettingsPage(const char* objectName, QWidget* parent) : QWidget(parent) {
    setObjectName(QLatin1String(objectName));
}

}  // namespace zeru::app
