// SPDX-License-Identifier: GPL-3.0-or-later
// Settings held in memory, without any widget: the model used by the
// command-line tool, the tests and the benchmarks.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "settings/catalogue.h"
#include "settings/settings.h"

namespace zeru {

class SettingsModel final : public Settings {
public:
    // Every setting at its catalogue default (the start-up values).
    explicit SettingsModel(const Catalogue& catalogue = settingsCatalogue());

    std::string text(SettingId id) const override;
    void setText(SettingId id, std::string_view value) override;
    int index(SettingId id) const override;
    void setIndex(SettingId id, int index) override;
    void setEnabled(std::string_view control, bool enabled) override;
    bool isEnabled(std::string_view control) const override;
    using Settings::isEnabled;
    using Settings::setEnabled;

    const Catalogue& catalogue() const { return catalogue_; }
    bool operator==(const SettingsModel& other) const { return values_ == other.values_; }

private:
    struct Value {
        std::string text;
        int index = -1;
        bool operator==(const Value&) const = default;
    };
    const Value& at(SettingId id, SettingKind kind) const;
    Value& at(SettingId id, SettingKind kind);

    const Catalogue& catalogue_;
    std::vector<Value> values_;
    std::unordered_map<std::string, bool> disabled_;
};

// Copies every setting of `from` into `to` (values only).
void copySettings(const Settings& from, Settings& to, const Catalogue& catalogue = settingsCatalogue());

}  // namespace zeru
