// SPDX-License-Identifier: GPL-3.0-or-later
// Advice about settings that "Write config" accepts but that misbehave on the
// air. Only what goes on the air is looked at: the paths of a disabled beacon
// or of reports that are off give no advice. Texts that no packet may carry
// are advised about wherever they stand: an address (call, alias,
// destination, path entry) with anything but A-Z and 0-9 after upper-casing,
// a telemetry channel's name or unit with a control character.
#pragma once

#include <string>
#include <vector>

#include "settings/settings.h"

namespace zeru::problems {

struct Advice {
    SettingId setting;
    std::string message;
};

// In the order the encoder stores the settings concerned.
std::vector<Advice> findAdvice(const Settings& settings);

}  // namespace zeru::problems
