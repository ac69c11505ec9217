// SPDX-License-Identifier: GPL-3.0-or-later
// zeru::Settings over the window's widgets, found once by objectName: a text
// setting is the text of its field, a choice setting the selected index of its
// drop-down list. Writing never emits `activated`, so no form rule runs.
#pragma once

#include <QString>
#include <string_view>
#include <unordered_map>

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

    std::string text(std::string_view name) const override;
    void setText(std::string_view name, std::string_view value) override;
    int index(std::string_view name) const override;
    void setIndex(std::string_view name, int index) override;
    void setEnabled(std::string_view control, bool enabled) override;
    bool isEnabled(std::string_view control) const override;

    // The drop-down list of a choice setting, for the window's rules to follow.
    QComboBox* choiceBox(std::string_view name) const { return choiceControl(name); }
    // The widget that holds a setting (or a rule's label).
    QWidget* widget(std::string_view name) const { return control(name).widget; }

private:
    struct Control {
        QWidget* widget = nullptr;
        QLineEdit* line = nullptr;
        BeaconMessageEdit* message = nullptr;
        QComboBox* choice = nullptr;
        int limit = 0;  // the catalogue's typing limit of a text setting
    };
    const Control& control(std::string_view name) const;
    const Control& textControl(std::string_view name) const;
    QComboBox* choiceControl(std::string_view name) const;

    // Keys view the catalogue's names and the rules' label names, which live
    // for the whole run.
    std::unordered_map<std::string_view, Control> controls_;
};

}  // namespace zeru::app
