// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <stdexcept>

#include "cfgfile/config_file.h"
#include "cfgfile/file_keys.h"
#include "cfgfile/file_read.h"
#include "cfgfile/file_replace.h"
#include "settings/catalogue.h"
#include "settings/spoken_name.h"
#include "settings/whole_number.h"

namespace zeru::cfgfile {
namespace {

std::string valueOf(const FileKey& k, const Settings& settings) {
    switch (k.form) {
        case KeyForm::Header:
            return std::string(k.defaultText);
        case KeyForm::Text: {
            std::string text = settings.text(k.setting);
            // A line break would end the key's line and start lines of its own.
            if (text.find_first_of("\r\n") != std::string::npos)
                throw std::invalid_argument(spokenName(settingsCatalogue().def(k.setting)) +
                                            " cannot be written on one line");
            return text;
        }
        case KeyForm::Number:
            return std::to_string(toWholeNumber(settings.text(k.setting)));
        case KeyForm::Choice:
            return std::to_string(settings.index(k.setting));
        case KeyForm::Flag:
            return settings.index(k.setting) == 0 ? "0" : "1";
    }
    return {};
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
std::string mergedContent(const std::string& path) {
    if (path.empty()) throw FileWriteError(path);
    const InputFile file = readInputFile(path, kMaxConfigFileSize);
    switch (file.status) {
        case InputFile::Status::Missing:
        case InputFile::Status::TooLarge:
        case InputFile::Status::NotRegular:  // refused by the replace
            return {};
        case InputFile::Status::Unreadable:
            throw FileWriteError(path);
        case InputFile::Status::Read:
            break;
    }
    return isConfigurationFile(file.bytes) ? file.bytes : std::string();
}

}  // namespace

std::vector<std::string> fileValues(const Settings& settings) {
    std::vector<std::string> values;
    values.reserve(kFileKeyCount);
    for (const FileKey& k : fileKeys()) values.push_back(valueOf(k, settings));
    return values;
}

std::string updatedFileContent(std::string_view existing, const std::vector<std::string>& values) {
    ProfileFile file(existing);
    const auto keys = fileKeys();
    for (std::size_t i = 0; i < keys.size() && i < values.size(); ++i)
        file.write(keys[i].section, keys[i].key, values[i]);
    return file.bytes();
}

void saveConfigFile(const Settings& settings, const std::string& path) {
    const std::vector<std::string> values = fileValues(settings);  // may stop the save: nothing written yet
    replaceFileContent(path, updatedFileContent(mergedContent(path), values));
}

}  // namespace zeru::cfgfile
