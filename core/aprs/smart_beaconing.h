// SPDX-License-Identifier: GPL-3.0-or-later
// The SmartBeaconing rule the device follows, with speeds in km/h as it takes
// them: how often it reports at a speed, how sharp a turn must be to report
// early, and how far it travels between reports.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "settings/settings.h"

namespace zeru::aprs {

struct SmartBeaconing {
    double minTurnAngle = 27;  // degrees
    double turnSlope = 410;    // degrees × km/h
    double minTurnTime = 5;    // s
    double slowSpeed = 8;      // km/h
    double slowPeriod = 1800;  // s
    double fastSpeed = 95;     // km/h
    double fastPeriod = 90;    // s
};

// The seven settings, in the order of SmartBeaconing's members.
inline constexpr std::array<SettingId, 7> kSmartBeaconingSettings = {
    SettingId::Smartbeaconing_min_turn_angle, SettingId::Smartbeaconing_turn_slope,
    SettingId::Smartbeaconing_min_turn_time,  SettingId::Smartbeaconing_slow_speed,
    SettingId::Smartbeaconing_slow_period,    SettingId::Smartbeaconing_fast_speed,
    SettingId::Smartbeaconing_fast_period};

// The numbers as the device stores them (each converted, then kept in 16
// bits); nullopt when a text is not a whole number, which "Write config"
// refuses anyway.
std::optional<SmartBeaconing> smartBeaconingFromTexts(const std::array<std::string, 7>& texts);
std::optional<SmartBeaconing> smartBeaconingFrom(const Settings& settings);

// Seconds between reports at `speed`: the slow period at or below the slow
// speed, the fast period at or above the fast speed, in between the fast
// period scaled by fast speed ÷ speed.
double beaconInterval(const SmartBeaconing& sb, double speed);

// Degrees of heading change that trigger a report at `speed` (min turn angle +
// turn slope ÷ speed); nullopt when standing still, where no turn counts.
std::optional<double> turnThreshold(const SmartBeaconing& sb, double speed);

// Kilometres travelled between two timed reports at `speed`.
double beaconDistance(const SmartBeaconing& sb, double speed);

// "one beacon every 2.4 km" (or "every 850 m"); at speed 0, where no distance
// is covered, the slow period: "one beacon every 1800 s while standing still".
std::string describeDistance(const SmartBeaconing& sb, double speed);

// What the chart and its table show: speeds from 0 to chartTopSpeed, and the
// interval, threshold and distance at these speeds (km/h).
inline constexpr std::array<int, 5> kTableSpeeds = {10, 30, 50, 80, 100};
inline double chartTopSpeed(const SmartBeaconing& sb) {
    return sb.fastSpeed * 1.3 > 10 ? sb.fastSpeed * 1.3 : 10;
}

}  // namespace zeru::aprs
