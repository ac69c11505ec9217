// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/rules.h"
#include "settings/catalogue.h"

namespace zeru::rules {

void applyStartupSequence(Settings& settings, UserInterface& ui) {
    for (const SettingDef& d : settingsCatalogue().defs()) {
        if (d.kind == SettingKind::Text)
            settings.setText(d.id, d.defaultText);
        else
            settings.setIndex(d.id, d.defaultIndex);

        if (d.id == SettingId::Position_report_mode) positionReportModeChanged(settings);
        if (d.id == SettingId::Position_report_encoding) positionEncodingChanged(settings);
        // The presets give each channel its name, units and coefficients once
        // the whole block of its kind has its source selections.
        if (d.id == SettingId::Teleanalog5_average)
            for (int channel = 1; channel <= 5; ++channel) applyAnalogPreset(settings, channel);
        if (d.id == SettingId::Teledigital8_inverted)
            for (int channel = 1; channel <= 8; ++channel) applyDigitalPreset(settings, channel);
    }
    runPortRules(settings, ui);
}

}  // namespace zeru::rules
