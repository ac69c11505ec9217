// SPDX-License-Identifier: GPL-3.0-or-later
// Which setting a save refuses: the one the window shows after the refusal.
#pragma once

#include <optional>
#include <string_view>

#include "settings/settings.h"

namespace zeru::cfgfile {

// The first setting, in file key order, that stops a save: a number setting
// whose text is not a whole number ("'%s' is not a valid integer value.") or
// a text holding a line break. nullopt when every setting can be saved.
std::optional<SettingId> settingRefusedBySave(const Settings& settings);

}  // namespace zeru::cfgfile
