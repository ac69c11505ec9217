// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/rules.h"

namespace zeru::rules {

void positionReportModeChanged(Settings&) {
    // The report mode enables and disables nothing: every SmartBeaconing and
    // fixed-interval field stays usable whatever the mode.
}

void positionEncodingChanged(Settings& settings) {
    const int encoding = settings.index(SettingId::Position_report_encoding);
    if (encoding < 0 || encoding > 2) return;  // no selection: leave the fields as they are
    const bool micE = encoding == 0;
    settings.setEnabled(kLabelMiceMessage1, micE);
    settings.setEnabled(kLabelMiceMessage2, micE);
    settings.setEnabled(SettingId::Mice_message, micE);
    settings.setEnabled(kLabelPositionTime, !micE);
    settings.setEnabled(SettingId::Position_time, !micE);
}

}  // namespace zeru::rules
