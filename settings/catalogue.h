// SPDX-License-Identifier: GPL-3.0-or-later
// The settings catalogue: every setting of the device, as one declarative table.
//
// A setting's name is the objectName of the widget that shows it and the key by
// which image, file and rule code address it. Texts are 8-bit (Latin-1) strings
// throughout the core; the window converts them at its edge.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/setting_id.h"

namespace zeru {

enum class SettingKind { Text, Choice };

struct SettingDef {
    SettingId id{};
    std::string name;
    SettingKind kind = SettingKind::Text;
    int maxLength = 0;                 // text: the most characters a user can type
    std::vector<std::string> choices;  // choice: the entries, index 0 first
    std::string defaultText;           // text: value at start-up
    int defaultIndex = -1;             // choice: selected index at start-up
    std::string label;                 // field label beside the widget ("" where a column header serves)
    std::string help;                  // tooltip ("" when the field has none)
    std::string page;   // objectName of the page that holds the widget (settings/form_layout.h)
    std::string group;  // caption of its group frame on that page, "" for none
};

class Catalogue {
public:
    explicit Catalogue(std::vector<SettingDef> defs);

    const std::vector<SettingDef>& defs() const { return defs_; }
    std::size_t size() const { return defs_.size(); }

    const SettingDef& def(SettingId id) const { return defs_[zeru::indexOf(id)]; }

    // Position of a setting in defs(), or nullopt for an unknown name.
    std::optional<std::size_t> indexOf(std::string_view name) const;
    // The definition of a named setting; throws std::out_of_range for an unknown name.
    const SettingDef& def(std::string_view name) const;

private:
    std::vector<SettingDef> defs_;  // in the order of SettingId
};

// The catalogue of this configurator: 226 settings in start-up order, the order of SettingId.
// It is immutable data; building it once and sharing it is safe.
const Catalogue& settingsCatalogue();

// Choice lists shared by several settings.
const std::vector<std::string>& analogSourceList();   // 14 entries
const std::vector<std::string>& digitalSourceList();  // 9 entries

// Name and label of the configurator, used by captions, files and images.
inline constexpr std::string_view kApplicationTitle = "Kestrovane Zeru Configurator";
inline constexpr std::string_view kVersionLabel = "v1.02";

}  // namespace zeru
