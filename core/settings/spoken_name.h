// SPDX-License-Identifier: GPL-3.0-or-later
// What each setting is called when it is named on its own, away from the
// page's column headers and group frames: "Beacon 3 path 1 SSID",
// "SmartBeaconing slow speed [km/h]". Screen readers announce it; it is built
// from the catalogue's labels and the records the settings belong to.
#pragma once

#include <string>

#include "settings/catalogue.h"

namespace zeru {

std::string spokenName(const SettingDef& def);

}  // namespace zeru
