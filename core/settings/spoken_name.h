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

// The spoken name in its two parts: what the setting belongs to ("Beacon 3",
// "SmartBeaconing"; "" for a setting on its own) and the field itself
// ("path 1 SSID", "slow speed [km/h]"; "" where the record names it whole).
struct SpokenParts {
    std::string owner;
    std::string field;
};
SpokenParts spokenNameParts(const SettingDef& def);

}  // namespace zeru
