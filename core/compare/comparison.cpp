// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/comparison.h"

#include <optional>

#include "cfgfile/load_notes.h"
#include "settings/catalogue.h"
#include "settings/whole_number.h"

namespace zeru::compare {

using cfgfile::FileKey;
using cfgfile::KeyForm;

bool sameValue(const FileKey& key, const Settings& a, const Settings& b) {
    switch (key.form) {
        case KeyForm::Header:
            return true;
        case KeyForm::Text:
            return a.text(key.setting) == b.text(key.setting);
        case KeyForm::Number: {
            const std::string ta = a.text(key.setting), tb = b.text(key.setting);
            if (ta == tb) return true;
            const std::optional<std::int32_t> na = parseWholeNumber(ta), nb = parseWholeNumber(tb);
            return na && nb && *na == *nb;
        }
        case KeyForm::Choice:
        case KeyForm::Flag:
            return a.index(key.setting) == b.index(key.setting);
    }
    return true;
}

std::string displayValue(const FileKey& key, const Settings& settings) {
    if (key.form != KeyForm::Choice && key.form != KeyForm::Flag) return settings.text(key.setting);
    const int index = settings.index(key.setting);
    const auto choices = settingsCatalogue().def(key.setting).choices;
    if (index < 0) return {};
    if (static_cast<std::size_t>(index) >= choices.size()) return std::to_string(index);
    return std::string(choices[static_cast<std::size_t>(index)]);
}

std::vector<Difference> compareSettings(const Settings& a, const Settings& b) {
    std::vector<Difference> differences;
    for (const FileKey& key : cfgfile::fileKeys()) {
        if (key.form == KeyForm::Header || sameValue(key, a, b)) continue;
        differences.push_back({&key, displayValue(key, a), displayValue(key, b)});
    }
    return differences;
}

std::string keyName(const FileKey& key) {
    std::string name(key.section);
    name += '.';
    name += key.key;
    return name;
}

std::string quoted(std::string_view value) { return cfgfile::quoted(value); }

std::string differenceLine(const Difference& difference) {
    return keyName(*difference.key) + ": " + quoted(difference.before) + " -> " + quoted(difference.after);
}

}  // namespace zeru::compare
