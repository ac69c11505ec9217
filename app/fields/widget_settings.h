// SPDX-License-Identifier: GPL-3.0-or-later
// zeru::Settings over the window's widgets, found once by objectName: a text
// setting is the text of its field, a choice setting the selected index of its
// drop-down list. Writing never emits `activated`, so no form rule runs.
#pragma once

#include <QString>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "settings/settings.h"

class QComboBox;
class QLineEdit;
class QWidget;

namespace zeru::app {

class BeaconMessageEdit;

class WidgetSettings final : public Settings {
public:
    // Finds every catalogue setting and the labels the rules switch under
    // `root`; throws std::logic_error when one is missing.
    explicit WidgetSettings(QWidget& root);

    std::string text(SettingId id) const override;
    void setText(SettingId id, std::string_view value) override;
    int index(SettingId id) const override;
    void setIndex(SettingId id, int index) override;
    void setEnabled(std::string_view control, bool enabled) override;
    bool isEnabled(std::string_view control) const override;
    using Settings::isEnabled;
    using Settings::setEnabled;

    // The drop-down list of a choice setting, for the window's rules to follow.
    QComboBox* choiceBox(SettingId id) const { return choiceControl(id); }
    // The widget that holds a setting (or a rule's label).
    QWidget* widget(std::string_view name) const { return controlWidget(name); }
    QWidget* widget(SettingId id) const { return settings_[indexOf(id)].widget; }

private:
    struct Control {
        QWidget* widget = nullptr;
        QLineEdit* line = nullptr;
        BeaconMessageEdit* message = nullptr;
        QComboBox* choice = nullptr;
        int limit = 0;  // the catalogue's typing limit of a text setting
    };
    QWidget* controlWidget(std::string_view name) const;
    const Control& textControl(SettingId id) const;
    QComboBox* choiceControl(SettingId id) const;

    std::vector<Control> settings_;  // by SettingId
    // The rules' labels, by the names the rules give them (they live for the whole run).
    std::unordered_map<std::string_view, QWidget*> labels_;
};

}  // namespace zeru::app
