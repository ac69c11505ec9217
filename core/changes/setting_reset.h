// SPDX-License-Identifier: GPL-3.0-or-later
// One setting set back: to its default (its start-up value) or to its value
// in the configuration last read from the device or a file. A reset is an
// assignment first, so that whoever applies it can keep it as one step, then
// applied as a user's pick: the rules that tie settings together settle.
#pragma once

#include <string>
#include <string_view>

#include "interaction/user_interface.h"
#include "settings/catalogue.h"
#include "settings/settings.h"

namespace zeru::changes {

// What the field's menu calls the two resets.
inline constexpr std::string_view kResetToDefault = "Reset to default";
inline constexpr std::string_view kBackToLastRead = "Back to the last read";

// A setting's new value: a text, or a choice's index.
struct Assignment {
    SettingId setting{};
    std::string text;  // a text setting's (Latin-1)
    int index = -1;    // a choice setting's
    bool operator==(const Assignment&) const = default;
};

// The setting at its start-up value.
Assignment defaultAssignment(SettingId setting, const Catalogue& catalogue = settingsCatalogue());

// The setting at its value in `reference`.
Assignment assignmentFrom(SettingId setting, const Settings& reference,
                          const Catalogue& catalogue = settingsCatalogue());

// Whether `settings` holds the assigned value already: the reset would change nothing.
bool holds(const Settings& settings, const Assignment& assignment,
           const Catalogue& catalogue = settingsCatalogue());

// Gives the setting its assigned value as the user's pick would, the rules
// settled after it with their messages shown (rules::settle).
void assign(Settings& settings, const Assignment& assignment, UserInterface& ui,
            const Catalogue& catalogue = settingsCatalogue());

// The default as a field's tooltip tells it, in Latin-1: "Default: WIDE1",
// "Default: SmartBeaconing", "Default: empty".
std::string defaultNote(const SettingDef& def);

}  // namespace zeru::changes
