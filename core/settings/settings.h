// SPDX-License-Identifier: GPL-3.0-or-later
// The one small interface through which image, file and rule code reach the
// settings, by typed id. The window implements it over its widgets; the
// command-line tool, tests and benchmarks use SettingsModel.
#pragma once

#include <string>
#include <string_view>

#include "settings/setting_id.h"

namespace zeru {

class Settings {
public:
    virtual ~Settings() = default;

    // A text setting's text (8-bit Latin-1).
    virtual std::string text(SettingId id) const = 0;
    // Sets a text setting's text as it is: typing limits apply to typing only.
    virtual void setText(SettingId id, std::string_view value) = 0;

    // A choice setting's selected index, -1 when nothing is selected.
    virtual int index(SettingId id) const = 0;
    // Selects an entry; an index outside the list leaves nothing selected.
    // A program's write never runs a form rule.
    virtual void setIndex(SettingId id, int index) = 0;

    // Enables or disables a control (a setting or one of its labels, by objectName).
    // A disabled setting keeps its value.
    virtual void setEnabled(std::string_view control, bool enabled) = 0;
    virtual bool isEnabled(std::string_view control) const = 0;
    void setEnabled(SettingId id, bool enabled) { setEnabled(settingName(id), enabled); }
    bool isEnabled(SettingId id) const { return isEnabled(settingName(id)); }
};

}  // namespace zeru
