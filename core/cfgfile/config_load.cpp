// SPDX-License-Identifier: GPL-3.0-or-later
#include "cfgfile/config_file.h"
#include "cfgfile/file_history.h"
#include "cfgfile/file_keys.h"
#include "cfgfile/file_read.h"
#include "cfgfile/load_notes.h"
#include "interaction/visible_text.h"
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

void applyKey(const FileKey& k, const std::optional<std::string>& stored, Settings& settings) {
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

Outcome applyConfigFile(const ProfileFile& file, Settings& settings, UserInterface& ui) {
    if (file.read(kHeaderSection, kApplicationKey, kUnknown) != kApplicationTitle) {
        ui.information(Message::fromUtf8(kIdentificationMessage));
        return Failure::of(FailureKind::ImageRefused, std::string(kIdentificationMessage));
    }
    if (file.read(kHeaderSection, kVersionKey, kUnknown) != kVersionLabel)
        ui.information(Message::fromUtf8(kVersionMessage));

    const auto keys = fileKeys();
    std::vector<ProfileFile::KeyName> names;
    names.reserve(keys.size());
    for (const FileKey& k : keys) names.push_back({k.section, k.key});
    const auto stored = file.values(names);  // one pass over the file for all keys
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (const auto note = loadNote(keys[i], stored[i])) ui.note(*note);
        applyKey(keys[i], stored[i], settings);
    }

    // The fields that the loaded encoding uses are enabled, as after a user's choice.
    rules::positionEncodingChanged(settings);
    rules::runPortRules(settings, ui);
    return {};
}

Message tooLargeMessage(const std::string& path, std::uint64_t size) {
    return Message::fromUtf8(visibleText(path) + " is too large for a configuration file (" +
                             std::to_string(size) + " bytes, at most " + std::to_string(kMaxConfigFileSize) +
                             ").");
}

std::optional<Message> unreadableFileMessage(const std::string& path, const InputFile& file) {
    switch (file.status) {
        case InputFile::Status::Read:
            return std::nullopt;
        case InputFile::Status::Missing:
            return Message::fromUtf8(visibleText(path) + " does not exist.");
        case InputFile::Status::TooLarge:
            return tooLargeMessage(path, file.size);
        case InputFile::Status::NotRegular:
        case InputFile::Status::Unreadable:
            break;
    }
    return Message::fromUtf8(visibleText(path) + " cannot be read: " + file.reason + ".");
}

Outcome loadConfigFile(const std::string& path, Settings& settings, UserInterface& ui) {
    const InputFile file = readInputFile(path, kMaxConfigFileSize);
    if (auto message = unreadableFileMessage(path, file)) {
        ui.information(*message);
        return Failure::of(FailureKind::ImageRefused, message->utf8());
    }
    return applyConfigFile(ProfileFile(file.bytes), settings, ui);
}

}  // namespace zeru::cfgfile
