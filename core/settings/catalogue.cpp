// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/catalogue.h"

#include <stdexcept>
#include <string>

namespace zeru {
namespace {

// What the compiler proves of the table, so that an entry out of order, a
// start-up text the field would not take or a start-up entry off its list
// does not compile.

// Tables indexed by id rely on this: the catalogue is in the order of SettingId.
constexpr bool inIdOrder() {
    for (std::size_t i = 0; i < kCatalogue.size(); ++i)
        if (kCatalogue.defs()[i].id != settingAt(i)) return false;
    return true;
}

// A text setting takes at least one character and starts with a text a user
// could have typed; a choice has entries, none empty, and starts on one of them.
constexpr bool startsWithinItsLimits(const SettingDef& d) {
    switch (d.kind) {
        case SettingKind::Text:
            return d.maxLength > 0 && d.choices.empty() && d.defaultIndex == -1 &&
                   d.defaultText.size() <= static_cast<std::size_t>(d.maxLength);
        case SettingKind::Choice: {
            for (std::string_view entry : d.choices)
                if (entry.empty()) return false;
            return d.maxLength == 0 && d.defaultText.empty() && d.defaultIndex >= 0 &&
                   static_cast<std::size_t>(d.defaultIndex) < d.choices.size();
        }
    }
    return false;
}

constexpr bool everyEntryStartsWithinItsLimits() {
    for (const SettingDef& d : kCatalogue.defs())
        if (!startsWithinItsLimits(d)) return false;
    return true;
}

static_assert(inIdOrder(), "entry i of the catalogue is the setting with id i");
static_assert(everyEntryStartsWithinItsLimits(),
              "text defaults fit their typing limits, choice defaults stand inside their lists");
static_assert(kCatalogue.size() == 226, "the device has 226 settings");

}  // namespace

const SettingDef& Catalogue::def(std::string_view name) const {
    const auto id = findSetting(name);
    if (!id) throw std::out_of_range("unknown setting " + std::string(name));
    return def(*id);
}

}  // namespace zeru
