// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_model.h"

#include <stdexcept>

namespace zeru {

SettingsModel::SettingsModel(const Catalogue& catalogue) : catalogue_(catalogue) {
    values_.reserve(catalogue.size());
    for (const SettingDef& d : catalogue.defs()) values_.push_back({d.defaultText, d.defaultIndex});
}

const SettingsModel::Value& SettingsModel::at(std::string_view name, SettingKind kind) const {
    auto i = catalogue_.indexOf(name);
    if (!i) throw std::out_of_range("unknown setting " + std::string(name));
    if (catalogue_.defs()[*i].kind != kind)
        throw std::logic_error("setting " + std::string(name) + " is not of the kind asked for");
    return values_[*i];
}

SettingsModel::Value& SettingsModel::at(std::string_view name, SettingKind kind) {
    return const_cast<Value&>(static_cast<const SettingsModel*>(this)->at(name, kind));
}

std::string SettingsModel::text(std::string_view name) const { return at(name, SettingKind::Text).text; }

void SettingsModel::setText(std::string_view name, std::string_view value) {
    at(name, SettingKind::Text).text.assign(value);
}

int SettingsModel::index(std::string_view name) const { return at(name, SettingKind::Choice).index; }

void SettingsModel::setIndex(std::string_view name, int index) {
    // One name lookup: the value's position is also its definition's position.
    Value& value = at(name, SettingKind::Choice);
    const SettingDef& def = catalogue_.defs()[static_cast<std::size_t>(&value - values_.data())];
    const auto count = static_cast<int>(def.choices.size());
    value.index = (index >= 0 && index < count) ? index : -1;
}

void SettingsModel::setEnabled(std::string_view control, bool enabled) {
    disabled_[std::string(control)] = !enabled;
}

bool SettingsModel::isEnabled(std::string_view control) const {
    auto it = disabled_.find(std::string(control));
    return it == disabled_.end() || !it->second;
}

void copySettings(const Settings& from, Settings& to, const Catalogue& catalogue) {
    for (const SettingDef& d : catalogue.defs()) {
        if (d.kind == SettingKind::Text)
            to.setText(d.name, from.text(d.name));
        else
            to.setIndex(d.name, from.index(d.name));
    }
}

}  // namespace zeru
