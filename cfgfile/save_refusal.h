// SPDX-License-Identifier: GPL-3.0-or-later
// Which setting a save refuses: the one the window shows after the refusal.
#pragma once

#include <optional>
#include <string_view>

#include "settings/settings.h"

namespace zeru::cfgfile {

// The first number setting, in file key order, whose text is not a whole
// number: the one whose "'%s' is not a valid integer value." stops a save.
// nullopt when every number converts.
std::optional<std::string_view> settingRefusedBySave(const Settings& settings);

}  // namespace zeru::cfgfile
