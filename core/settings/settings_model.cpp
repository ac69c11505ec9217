// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_model.h"

#include <stdexcept>

namespace zeru {

SettingsModel::SettingsModel(const Catalogue& catalogue) : catalogue_(catalogue) {
    values_.reserve(catalogue.size());
    for (const SettingDef& d : catalogue.defs())
        values_.push_back({std::string(d.defaultText), d.defaultIndex});
}

const SettingsModel::Value& SettingsModel::at(SettingId id, SettingKind kind) const {
    if (catalogue_.def(id).kind != kind)
        throw std::logic_error("setting " + std::string(settingName(id)) + " is not of the kind asked for");
    return values_[indexOf(id)];
}

SettingsModel::Value& SettingsModel::at(SettingId id, SettingKind kind) {
    return const_cast<Value&>(static_cast<const SettingsModel*>(this)->at(id, kind));
}

std::string SettingsModel::text(SettingId id) const { return at(id, SettingKind::Text).text; }

void SettingsModel::setText(SettingId id, std::string_view value) {
    at(id, SettingKind::Text).text.assign(value);
}

int SettingsModel::index(SettingId id) const { return at(id, SettingKind::Choice).index; }

void SettingsModel::setIndex(SettingId id, int index) {
    Value& value = at(id, SettingKind::Choice);
    const auto count = static_cast<int>(catalogue_.def(id).choices.size());
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
            to.setText(d.id, from.text(d.id));
        else
            to.setIndex(d.id, from.index(d.id));
    }
}

}  // namespace zeru
