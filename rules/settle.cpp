// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/rules.h"

namespace zeru::rules {

void settle(Settings& settings, std::string_view changed, UserInterface& ui) {
    if (changed == "Serial1_mode") {
        if (auto message = serial1ModeChanged(settings)) ui.information(*message);
    } else if (changed == "Serial2_mode") {
        if (auto message = serial2ModeChanged(settings)) ui.information(*message);
    } else if (changed == "Weather_stationtype") {
        runPortRules(settings, ui);
    } else if (changed == "Position_report_encoding") {
        positionEncodingChanged(settings);
    } else if (changed == "Position_report_mode") {
        positionReportModeChanged(settings);
    }
}

}  // namespace zeru::rules
