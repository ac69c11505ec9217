// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/rules.h"

namespace zeru::rules {

bool settle(Settings& settings, SettingId changed, UserInterface& ui) {
    if (changed == SettingId::Serial1_mode) {
        if (auto message = serial1ModeChanged(settings)) ui.information(Message::fromUtf8(*message));
    } else if (changed == SettingId::Serial2_mode) {
        if (auto message = serial2ModeChanged(settings)) ui.information(Message::fromUtf8(*message));
    } else if (changed == SettingId::Weather_stationtype) {
        // The RS-232 rule then the Bluetooth rule, each message shown before the next rule runs.
        runPortRules(settings, ui);
    } else if (changed == SettingId::Position_report_encoding) {
        positionEncodingChanged(settings);
    } else if (changed == SettingId::Position_report_mode) {
        positionReportModeChanged(settings);
    } else {
        return false;
    }
    return true;
}

}  // namespace zeru::rules
