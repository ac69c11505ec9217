// SPDX-License-Identifier: GPL-3.0-or-later
#include "cfgfile/load_notes.h"

#include "settings/catalogue.h"
#include "settings/whole_number.h"

namespace zeru::cfgfile {

std::string quoted(std::string_view value) {
    std::string out = "\"";
    for (char c : value) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    out += '"';
    return out;
}

std::optional<Message> loadNote(const FileKey& key, const std::optional<std::string>& stored) {
    if (!stored || key.form == KeyForm::Header || key.form == KeyForm::Text) return std::nullopt;
    const std::string prefix = std::string(key.section) + "." + std::string(key.key) + ": " + quoted(*stored);
    const auto number = parseWholeNumber(*stored);
    if (!number) {
        std::string used(key.defaultText);
        if (key.form != KeyForm::Number) {
            // The file's choice defaults stand inside their lists (file_keys.cpp proves it).
            const auto choices = settingsCatalogue().def(key.setting).choices;
            used +=
                " (" + quoted(choices[static_cast<std::size_t>(*parseWholeNumber(key.defaultText))]) + ")";
        }
        return Message::fromLatin1(prefix + " is not a whole number; " + used + " used.");
    }
    if (key.form == KeyForm::Number || *number == -1) return std::nullopt;
    const auto count = settingsCatalogue().def(key.setting).choices.size();
    if (*number >= 0 && static_cast<std::size_t>(*number) < count) return std::nullopt;
    return Message::fromLatin1(prefix + " is not in its list; no entry selected.");
}

}  // namespace zeru::cfgfile
