// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/rules.h"

namespace zeru::rules {

bool userChoiceMade(Settings& settings, std::string_view name, UserInterface& ui) {
    const auto id = findSetting(name);
    return id && settle(settings, *id, ui);
}

}  // namespace zeru::rules
