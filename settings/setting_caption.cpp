// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/setting_caption.h"

#include <cctype>

#include "settings/catalogue.h"

namespace zeru {
namespace {

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// "Beacon1_path1_ssid" -> "Beacon 1 path 1 SSID": words at underscores and
// before a number; "string" names only the storage and is left out.
std::string nameInWords(std::string_view name) {
    std::string words;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find('_', start);
        if (end == std::string_view::npos) end = name.size();
        std::string part(name.substr(start, end - start));
        start = end + 1;
        if (part == "string" || part.empty()) continue;
        if (part == "ssid" || part == "Ssid") part = "SSID";
        std::size_t digits = part.size();
        while (digits > 0 && isDigit(part[digits - 1])) --digits;
        if (digits > 0 && digits < part.size()) part.insert(digits, 1, ' ');
        if (!words.empty()) words += ' ';
        words += part;
    }
    return words;
}

}  // namespace

std::string settingCaption(std::string_view name) {
    const SettingDef& def = settingsCatalogue().def(name);
    std::string label = def.label;
    while (!label.empty() && (label.back() == ':' || label.back() == ' ')) label.pop_back();
    return label.empty() ? nameInWords(def.name) : label;
}

}  // namespace zeru
