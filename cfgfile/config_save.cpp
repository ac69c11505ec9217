// SPDX-License-Identifier: GPL-3.0-or-later
#include <filesystem>
#include <stdexcept>

#include "cfgfile/config_file.h"
#include "cfgfile/file_keys.h"
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

    std::string existing;
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        // An existing file is updated, never emptied: if it cannot be read, it is left alone.
        auto bytes = readFileBytes(path);
        if (!bytes) throw FileWriteError(path);
        existing = std::move(*bytes);
    }
    replaceFileContent(path, updatedFileContent(existing, values));
}

}  // namespace zeru::cfgfile
