// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/beacon_placeholders.h"

#include <array>

namespace zeru::rules {

namespace {

// clang-format off
constexpr std::array<SpecialStringLine, 10> kLines{{
    {"<statlat> - inserts latitude defined on  \"Radio\" Tab.", false, false},
    {"<statlong> - inserts longitude defined on  \"Radio\" Tab.", false, false},
    {"<gpsdate> - inserts time received from GPS in format: DDHHMM. ", false, false},
    {"<gpslat> - inserts latitude received from GPS.", false, false},
    {"<gpslong> - inserts longitude received from GPS.", false, false},
    {"<volt> - inserts measured input voltage.", false, false},
    {"<temp> - inserts temperature from thermometer connected to RS-485 bus (Celsius).", true, false},
    {"<tempf> - inserts temperature from thermometer connected to RS-485 bus. (Fahrenheit)", true, false},
    {"Example:", false, true},
    {"/<gpsdate>z<gpslat>/<gpslong>>Kestrovane U=<volt>V.", false, false},
}};
// clang-format on

}  // namespace

std::span<const SpecialStringLine> specialStringLines() { return kLines; }

}  // namespace zeru::rules
