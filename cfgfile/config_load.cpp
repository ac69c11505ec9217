// SPDX-License-Identifier: GPL-3.0-or-later
#include "cfgfile/config_file.h"
#include "cfgfile/file_keys.h"
#include "cfgfile/file_replace.h"
#include "rules/rules.h"
#include "settings/catalogue.h"
#include "settings/whole_number.h"

namespace zeru::cfgfile {
namespace {

constexpr std::string_view kUnknown = "unknown";

// The stored whole number, or the key's default when it is missing or malformed.
std::int32_t numberOf(const FileKey& k, const std::optional<std::string>& stored) {
    if (stored)
        if (auto n = parseWholeNumber(*stored)) return *n;
    return *parseWholeNumber(k.defaultText);  // the table's defaults are all whole numbers
}

void applyKey(const FileKey& k, const ProfileFile& file, Settings& settings) {
    const auto stored = file.value(k.section, k.key);
    switch (k.form) {
        case KeyForm::Header:
            break;
        case KeyForm::Text:
            settings.setText(k.setting, stored ? *stored : std::string(k.defaultText));
            break;
        case KeyForm::Number:
            settings.setText(k.setting, std::to_string(numberOf(k, stored)));
            break;
        case KeyForm::Choice:
        case KeyForm::Flag:
            settings.setIndex(k.setting, numberOf(k, stored));
            break;
    }
}

}  // namespace

bool applyConfigFile(const ProfileFile& file, Settings& settings, UserInterface& ui) {
    if (file.read(kHeaderSection, kApplicationKey, kUnknown) != kApplicationTitle) {
        ui.information(kIdentificationMessage);
        return false;
    }
    if (file.read(kHeaderSection, kVersionKey, kUnknown) != kVersionLabel) ui.information(kVersionMessage);

    for (const FileKey& k : fileKeys()) applyKey(k, file, settings);

    // The fields that the loaded encoding uses are enabled, as after a user's choice.
    rules::positionEncodingChanged(settings);
    rules::runPortRules(settings, ui);
    return true;
}

bool loadConfigFile(const std::string& path, Settings& settings, UserInterface& ui) {
    const auto bytes = readFileBytes(path);
    return applyConfigFile(ProfileFile(bytes ? *bytes : std::string()), settings, ui);
}

}  // namespace zeru::cfgfile
