// SPDX-License-Identifier: GPL-3.0-or-later
// Where a setting stands, as a user finds it in the form: its page (with the
// page that holds it), its group frame, its record and the field itself,
// "Beacons › Beacon 2 › Path 1", from the form layout and the spoken names.
#pragma once

#include <string>
#include <vector>

#include "settings/catalogue.h"

namespace zeru::search {

// The steps from the top of the form to the setting, in UTF-8, each
// beginning with a capital: {"External interfaces", "KISS", "KISS baudrate"}.
std::vector<std::string> placeSteps(const SettingDef& def);

// The steps joined by " › ".
std::string placeText(const SettingDef& def);

}  // namespace zeru::search
