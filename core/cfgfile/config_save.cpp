// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <utility>

#include "cfgfile/config_file.h"
#include "cfgfile/file_keys.h"
#include "cfgfile/file_read.h"
#include "cfgfile/file_replace.h"
#include "settings/catalogue.h"
#include "settings/spoken_name.h"
#include "settings/whole_number.h"

namespace zeru::cfgfile {
namespace {

Result<std::string> valueOf(const FileKey& k, const Settings& settings) {
    switch (k.form) {
        case KeyForm::Header:
            return std::string(k.defaultText);
        case KeyForm::Text: {
            std::string text = settings.text(k.setting);
            // A line break would end the key's line and start lines of its own.
            if (text.find_first_of("\r\n") != std::string::npos)
                return Failure{FailureKind::ImageRefused, k.setting, std::nullopt,
                               lineBreakRefusal(k.setting)};
            return text;
        }
        case KeyForm::Number: {
            const auto number = toWholeNumber(k.setting, settings.text(k.setting));
            if (!number) return number.failure();
            return std::to_string(*number);
        }
        case KeyForm::Choice:
            return std::to_string(settings.index(k.setting));
        case KeyForm::Flag:
            return std::string(settings.index(k.setting) == 0 ? "0" : "1");
    }
    return std::string();
}

// Whether `bytes` are a configuration file: text holding at least one of its
// keys in its section. An image or a text of another program is not.
bool isConfigurationFile(std::string_view bytes) {
    if (bytes.find('\0') != std::string_view::npos) return false;
    const auto keys = fileKeys();
    std::vector<ProfileFile::KeyName> names;
    names.reserve(keys.size());
    for (const FileKey& k : keys) names.push_back({k.section, k.key});
    const auto stored = ProfileFile(bytes).values(names);
    return std::any_of(stored.begin(), stored.end(), [](const auto& value) { return value.has_value(); });
}

// What the save starts from: an existing configuration file keeps its other
// keys, comments and blank lines; anything else (an image, a text of another
// program, a file over the size a configuration file may have) is replaced
// whole. A file that cannot be read to tell is left alone.
Result<std::string> mergedContent(const std::string& path) {
    if (path.empty()) return unableToWrite(path);
    const InputFile file = readInputFile(path, kMaxConfigFileSize);
    switch (file.status) {
        case InputFile::Status::Missing:
        case InputFile::Status::TooLarge:
        case InputFile::Status::NotRegular:  // refused by the replace
            return std::string();
        case InputFile::Status::Unreadable:
            return unableToWrite(path);
        case InputFile::Status::Read:
            break;
    }
    return isConfigurationFile(file.bytes) ? file.bytes : std::string();
}

}  // namespace

std::string lineBreakRefusal(SettingId setting) {
    return spokenName(settingsCatalogue().def(setting)) + " cannot be written on one line";
}

Result<std::vector<std::string>> fileValues(const Settings& settings) {
    std::vector<std::string> values;
    values.reserve(kFileKeyCount);
    for (const FileKey& k : fileKeys()) {
        Result<std::string> value = valueOf(k, settings);
        if (!value) return value.failure();
        values.push_back(std::move(value).value());
    }
    return values;
}

std::string updatedFileContent(std::string_view existing, const std::vector<std::string>& values) {
    ProfileFile file(existing);
    const auto keys = fileKeys();
    for (std::size_t i = 0; i < keys.size() && i < values.size(); ++i)
        file.write(keys[i].section, keys[i].key, values[i]);
    return file.bytes();
}

Outcome saveConfigFile(const Settings& settings, const std::string& path) {
    const auto values = fileValues(settings);  // may stop the save: nothing written yet
    if (!values) return values.failure();
    const auto existing = mergedContent(path);
    if (!existing) return existing.failure();
    return replaceFileContent(path, updatedFileContent(*existing, *values));
}

}  // namespace zeru::cfgfile
