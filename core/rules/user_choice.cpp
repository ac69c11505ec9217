// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/rules.h"

namespace zeru::rules {

bool userChoiceMade(Settings& settings, SettingId setting, UserInterface& ui) {
    return settle(settings, setting, ui);
}

}  // namespace zeru::rules
