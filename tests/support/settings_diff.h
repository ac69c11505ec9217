// SPDX-License-Identifier: GPL-3.0-or-later
// The settings in which two models differ, for test failure messages.
#pragma once

#include <string>
#include <vector>

#include "settings/settings_model.h"

namespace zeru::test {

// One "name: 'a' / 'b'" line (texts) or "name: 1 / 2" line (choices) per
// setting whose value differs.
std::vector<std::string> differences(const SettingsModel& a, const SettingsModel& b);

}  // namespace zeru::test
