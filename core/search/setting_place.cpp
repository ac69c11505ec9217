// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/setting_place.h"

#include <cctype>
#include <string_view>

#include "interaction/message.h"
#include "settings/spoken_name.h"

namespace zeru::search {
namespace {

const PageLayout* pageNamed(std::string_view name) {
    for (const PageLayout& page : kFormLayout)
        if (page.name == name) return &page;
    return nullptr;
}

std::string withoutColon(std::string_view caption) {
    if (caption.ends_with(':')) caption.remove_suffix(1);
    return std::string(caption);
}

std::string capitalised(std::string text) {
    if (!text.empty()) text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

}  // namespace

std::vector<std::string> placeSteps(const SettingDef& def) {
    std::vector<std::string> steps;
    const PageLayout* page = pageNamed(def.page);
    if (page != nullptr) {
        if (const PageLayout* parent = pageNamed(page->parent)) steps.emplace_back(parent->caption);
        steps.emplace_back(page->caption);
    }
    const std::string group = withoutColon(def.group);
    if (!group.empty()) steps.push_back(group);
    // The record or run the setting belongs to, unless the page or the group
    // already names it ("Orvaxe outputs", "SmartBeaconing").
    const SpokenParts parts = spokenNameParts(def);
    const bool named =
        (page != nullptr && page->caption.starts_with(parts.owner)) || group.starts_with(parts.owner);
    if (!parts.owner.empty() && !named) steps.push_back(parts.owner);
    // A field that the page names alone ("RS-485 port") is the page's step.
    const std::string field = capitalised(parts.field);
    if (!field.empty() && (steps.empty() || field != steps.back())) steps.push_back(field);
    for (std::string& step : steps) step = latin1ToUtf8(step);
    return steps;
}

std::string placeText(const SettingDef& def) {
    std::string text;
    for (const std::string& step : placeSteps(def)) {
        if (!text.empty()) text += " \u203A ";
        text += step;
    }
    return text;
}

}  // namespace zeru::search
