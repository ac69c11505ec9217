// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/setting_id.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

namespace zeru {
namespace {

using NamedId = std::pair<std::string_view, SettingId>;

// The names sorted once, by the compiler.
constexpr std::array<NamedId, kSettingCount> kByName = [] {
    std::array<NamedId, kSettingCount> sorted{};
    for (std::size_t i = 0; i < kSettingCount; ++i) sorted[i] = {kSettingNames[i], settingAt(i)};
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}();

static_assert(std::adjacent_find(kByName.begin(), kByName.end(),
                                 [](const NamedId& a, const NamedId& b) { return a.first == b.first; }) ==
                  kByName.end(),
              "every setting has a name of its own");

}  // namespace

std::optional<SettingId> findSetting(std::string_view name) {
    const auto it =
        std::lower_bound(kByName.begin(), kByName.end(), name,
                         [](const NamedId& entry, std::string_view n) { return entry.first < n; });
    if (it == kByName.end() || it->first != name) return std::nullopt;
    return it->second;
}

SettingId settingNamed(std::string_view name) {
    const auto id = findSetting(name);
    if (!id) throw std::out_of_range("unknown setting " + std::string(name));
    return *id;
}

}  // namespace zeru
