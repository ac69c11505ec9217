// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/rules.h"

namespace zeru::rules {

bool userChoiceMade(Settings& settings, std::string_view name, UserInterface& ui) {
    if (name == "Serial1_mode") {
        if (auto message = serial1ModeChanged(settings)) ui.information(*message);
    } else if (name == "Serial2_mode") {
        if (auto message = serial2ModeChanged(settings)) ui.information(*message);
    } else if (name == "Weather_stationtype") {
        // The RS-232 rule then the Bluetooth rule, each message shown before the next rule runs.
        runPortRules(settings, ui);
    } else if (name == "Position_report_encoding") {
        positionEncodingChanged(settings);
    } else if (name == "Position_report_mode") {
        positionReportModeChanged(settings);
    } else {
        return false;
    }
    return true;
}

}  // namespace zeru::rules
