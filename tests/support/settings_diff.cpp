// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/settings_diff.h"

namespace zeru::test {

std::vector<std::string> differences(const SettingsModel& a, const SettingsModel& b) {
    std::vector<std::string> out;
    for (const SettingDef& def : a.catalogue().defs()) {
        if (def.kind == SettingKind::Text && a.text(def.name) != b.text(def.name))
            out.push_back(def.name + ": '" + a.text(def.name) + "' / '" + b.text(def.name) + "'");
        if (def.kind == SettingKind::Choice && a.index(def.name) != b.index(def.name))
            out.push_back(def.name + ": " + std::to_string(a.index(def.name)) + " / " +
                          std::to_string(b.index(def.name)));
    }
    return out;
}

}  // namespace zeru::test
