// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/set_option.h"

#include <algorithm>
#include <cctype>
#include <span>

#include "cfgfile/file_keys.h"
#include "interaction/visible_text.h"
#include "settings/catalogue.h"
#include "settings/whole_number.h"

namespace zeru::cli {
namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

Outcome applySetOption(session::EditingSession& editing, const std::string& sectionKey,
                       const std::string& value) {
    const auto dot = sectionKey.find('.');
    const std::string_view section = std::string_view(sectionKey).substr(0, dot);
    const std::string_view key =
        dot == std::string::npos ? std::string_view{} : std::string_view(sectionKey).substr(dot + 1);
    const auto keys = cfgfile::fileKeys();
    auto it = std::find_if(keys.begin(), keys.end(), [&](const cfgfile::FileKey& k) {
        return sameIgnoringCase(k.section, section) && sameIgnoringCase(k.key, key);
    });
    if (it == keys.end() || it->form == cfgfile::KeyForm::Header)
        return Failure::of(FailureKind::SettingsRefused, "Unknown setting key: " + visibleText(sectionKey));

    session::Assignment assignment{it->setting, {}};
    switch (it->form) {
        case cfgfile::KeyForm::Text:
        case cfgfile::KeyForm::Number:
            assignment.value.text = utf8ToLatin1(value);  // the command line is UTF-8
            break;
        case cfgfile::KeyForm::Choice:
        case cfgfile::KeyForm::Flag: {
            const auto index = parseWholeNumber(value);
            if (!index)
                return Failure::refused(it->setting, "'" + visibleText(value) +
                                                         "' is not a valid choice index for " +
                                                         visibleText(sectionKey));
            // An index outside the list would reach the device as "no selection".
            const auto count = static_cast<std::int32_t>(settingsCatalogue().def(it->setting).choices.size());
            if (*index < 0 || *index >= count)
                return Failure::refused(
                    it->setting, "'" + visibleText(value) + "' is outside the choices of " +
                                     std::string(it->section) + "." + std::string(it->key) + " (0 to " +
                                     std::to_string(count - 1) + ")");
            assignment.value.index = *index;
            break;
        }
        case cfgfile::KeyForm::Header:
            break;
    }
    editing.applyAssignments("Set " + sectionKey, std::span(&assignment, 1));
    return {};
}

Outcome applySetOption(Settings& settings, const std::string& sectionKey, const std::string& value,
                       UserInterface& ui) {
    session::EditingSession editing(settings, ui);
    return applySetOption(editing, sectionKey, value);
}

}  // namespace zeru::cli
