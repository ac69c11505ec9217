// SPDX-License-Identifier: GPL-3.0-or-later
#include "aprs/smart_beaconing.h"

#include <cmath>
#include <cstdint>

#include "aprs/decimal_text.h"
#include "settings/whole_number.h"

namespace zeru::aprs {

std::optional<SmartBeaconing> smartBeaconingFromTexts(const std::array<std::string, 7>& texts) {
    std::array<double, 7> values{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::optional<std::int32_t> number = parseWholeNumber(texts[i]);
        if (!number) return std::nullopt;
        values[i] = static_cast<std::uint16_t>(*number);  // the device keeps the low 16 bits
    }
    return SmartBeaconing{values[0], values[1], values[2], values[3], values[4], values[5], values[6]};
}

std::optional<SmartBeaconing> smartBeaconingFrom(const Settings& settings) {
    std::array<std::string, 7> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = settings.text(kSmartBeaconingSettings[i]);
    return smartBeaconingFromTexts(texts);
}

double beaconInterval(const SmartBeaconing& sb, double speed) {
    if (speed <= sb.slowSpeed) return sb.slowPeriod;
    if (speed >= sb.fastSpeed) return sb.fastPeriod;
    return sb.fastPeriod * sb.fastSpeed / speed;  // speed > slow speed >= 0 here
}

std::optional<double> turnThreshold(const SmartBeaconing& sb, double speed) {
    if (speed <= 0) return std::nullopt;
    return sb.minTurnAngle + sb.turnSlope / speed;
}

double beaconDistance(const SmartBeaconing& sb, double speed) {
    if (speed <= 0) return 0;
    return speed * beaconInterval(sb, speed) / 3600.0;
}

std::string describeDistance(const SmartBeaconing& sb, double speed) {
    const double km = beaconDistance(sb, speed);
    if (km <= 0) return "one beacon every " + formatDecimal(sb.slowPeriod, 0) + " s while standing still";
    if (km < 1) return "one beacon every " + formatDecimal(km * 1000, 0) + " m";
    return "one beacon every " + formatDecimal(km, 1) + " km";
}

}  // namespace zeru::aprs
