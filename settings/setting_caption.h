// SPDX-License-Identifier: GPL-3.0-or-later
// The name of a setting as the window shows it, for messages: the field's
// label without its colon ("Status text"), or, for a field under a column
// header, its name in words ("Beacon 1 message", "Beacon 3 path 1 SSID").
#pragma once

#include <string>
#include <string_view>

namespace zeru {

// Throws std::out_of_range for a name the catalogue does not hold.
std::string settingCaption(std::string_view name);

}  // namespace zeru
