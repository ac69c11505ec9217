// SPDX-License-Identifier: GPL-3.0-or-later
// Compares two sets of settings over the whole catalogue and names each one
// that differs on standard error: the end-to-end programs' verdict.
#pragma once

#include <cstdio>

#include "settings/catalogue.h"
#include "settings/settings.h"

namespace zeru::vm {

inline int reportDifferences(const Settings& written, const Settings& read) {
    int differences = 0;
    for (const auto& def : settingsCatalogue().defs()) {
        if (def.kind == SettingKind::Text) {
            if (written.text(def.id) == read.text(def.id)) continue;
            std::fprintf(stderr, "differs: %s written '%s' read '%s'\n", std::string(def.name).c_str(),
                         written.text(def.id).c_str(), read.text(def.id).c_str());
        } else {
            if (written.index(def.id) == read.index(def.id)) continue;
            std::fprintf(stderr, "differs: %s written %d read %d\n", std::string(def.name).c_str(),
                         written.index(def.id), read.index(def.id));
        }
        ++differences;
    }
    return differences;
}

}  // namespace zeru::vm
