// SPDX-License-Identifier: GPL-3.0-or-later
#include "changes/setting_reset.h"

#include "rules/rules.h"

namespace zeru::changes {

Assignment defaultAssignment(SettingId setting, const Catalogue& catalogue) {
    const SettingDef& def = catalogue.def(setting);
    if (def.kind == SettingKind::Choice) return {setting, {}, def.defaultIndex};
    return {setting, std::string(def.defaultText), -1};
}

Assignment assignmentFrom(SettingId setting, const Settings& reference, const Catalogue& catalogue) {
    if (catalogue.def(setting).kind == SettingKind::Choice) return {setting, {}, reference.index(setting)};
    return {setting, reference.text(setting), -1};
}

bool holds(const Settings& settings, const Assignment& assignment, const Catalogue& catalogue) {
    if (catalogue.def(assignment.setting).kind == SettingKind::Choice)
        return settings.index(assignment.setting) == assignment.index;
    return settings.text(assignment.setting) == assignment.text;
}

void assign(Settings& settings, const Assignment& assignment, UserInterface& ui, const Catalogue& catalogue) {
    if (catalogue.def(assignment.setting).kind == SettingKind::Choice)
        settings.setIndex(assignment.setting, assignment.index);
    else
        settings.setText(assignment.setting, assignment.text);
    rules::settle(settings, assignment.setting, ui);
}

std::string defaultNote(const SettingDef& def) {
    std::string value(def.defaultText);
    if (def.kind == SettingKind::Choice && def.defaultIndex >= 0 &&
        static_cast<std::size_t>(def.defaultIndex) < def.choices.size())
        value = def.choices[static_cast<std::size_t>(def.defaultIndex)];
    return "Default: " + (value.empty() ? std::string("empty") : value);
}

}  // namespace zeru::changes
