// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/settings_diff.h"

namespace zeru::test {

std::vector<std::string> differences(const SettingsModel& a, const SettingsModel& b) {
    std::vector<std::string> out;
    for (const SettingDef& def : a.catalogue().defs()) {
        if (def.kind == SettingKind::Text && a.text(def.id) != b.text(def.id))
            out.push_back(std::string(def.name) + ": '" + a.text(def.id) + "' / '" + b.text(def.id) + "'");
        if (def.kind == SettingKind::Choice && a.index(def.id) != b.index(def.id))
            out.push_back(std::string(def.name) + ": " + std::to_string(a.index(def.id)) + " / " +
                          std::to_string(b.index(def.id)));
    }
    return out;
}

}  // namespace zeru::test
