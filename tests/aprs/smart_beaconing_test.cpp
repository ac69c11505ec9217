// SPDX-License-Identifier: GPL-3.0-or-later
#include "aprs/smart_beaconing.h"

#include <gtest/gtest.h>

#include <cmath>

#include "settings/settings_model.h"

namespace zeru::aprs {
namespace {

TEST(SmartBeaconing, DefaultSettingsAtSpeed) {
    const std::optional<SmartBeaconing> sb = smartBeaconingFrom(SettingsModel());
    ASSERT_TRUE(sb);
    struct Row {
        double speed, interval;
        std::optional<double> threshold;
        const char* distance;
    };
    const Row rows[] = {
        {0, 1800, std::nullopt, "one beacon every 1800 s while standing still"},
        {8, 1800, 27 + 410 / 8.0, "one beacon every 4 km"},
        {10, 855, 68, "one beacon every 2.4 km"},
        {50, 171, 35.2, "one beacon every 2.4 km"},
        {95, 90, 27 + 410 / 95.0, "one beacon every 2.4 km"},
        {120, 90, 27 + 410 / 120.0, "one beacon every 3 km"},
        {2, 1800, 232, "one beacon every 1 km"},
        {1, 1800, 437, "one beacon every 500 m"},
    };
    for (const Row& r : rows) {
        EXPECT_DOUBLE_EQ(beaconInterval(*sb, r.speed), r.interval) << r.speed;
        const std::optional<double> threshold = turnThreshold(*sb, r.speed);
        ASSERT_EQ(threshold.has_value(), r.threshold.has_value()) << r.speed;
        if (threshold) {
            EXPECT_NEAR(*threshold, *r.threshold, 1e-9) << r.speed;
        }
        EXPECT_EQ(describeDistance(*sb, r.speed), r.distance) << r.speed;
    }
}

// Whatever sane numbers a user types, the interval never rises with speed and
// stays between the fast and the slow period.
TEST(SmartBeaconing, IntervalFallsWithSpeedBetweenThePeriods) {
    const std::array<std::string, 7> sets[] = {
        {"27", "410", "5", "8", "1800", "95", "90"},
        {"10", "255", "2", "5", "1200", "60", "60"},
        {"30", "100", "10", "20", "900", "40", "300"},
        {"0", "0", "0", "0", "0", "0", "0"},  // every speed "at or above fast speed"
    };
    for (const auto& texts : sets) {
        const std::optional<SmartBeaconing> sb = smartBeaconingFromTexts(texts);
        ASSERT_TRUE(sb);
        double previous = beaconInterval(*sb, 0);
        for (double speed = 0; speed <= 200; speed += 0.5) {
            const double interval = beaconInterval(*sb, speed);
            EXPECT_LE(interval, previous) << texts[0] << " at " << speed;
            EXPECT_GE(interval, std::min(sb->fastPeriod, sb->slowPeriod));
            EXPECT_LE(interval, std::max(sb->fastPeriod, sb->slowPeriod));
            EXPECT_TRUE(std::isfinite(interval));
            previous = interval;
        }
    }
}

TEST(SmartBeaconing, NumbersAsTheDeviceStoresThem) {
    std::array<std::string, 7> texts = {"27", "410", "5", "8", "1800", "95", "$5A"};
    EXPECT_EQ(smartBeaconingFromTexts(texts)->fastPeriod, 90);
    texts[6] = "-1";  // kept in 16 bits
    EXPECT_EQ(smartBeaconingFromTexts(texts)->fastPeriod, 65535);
    texts[6] = "9O";
    EXPECT_FALSE(smartBeaconingFromTexts(texts));
}

}  // namespace
}  // namespace zeru::aprs
