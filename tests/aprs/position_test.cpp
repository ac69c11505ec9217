// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "aprs/coordinates.h"
#include "aprs/maidenhead.h"
#include "aprs/ssid_hints.h"
#include "aprs/telemetry_range.h"

namespace zeru::aprs {
namespace {

// What a user types or pastes, and the device's texts it fills in.
TEST(Coordinates, TypedFormsToTheDeviceTexts) {
    struct Row {
        const char* typed;
        const char *latitude, *longitude;
    };
    const Row rows[] = {
        {"52.38467, 16.96900", "5223.08N", "01658.14E"},
        {"  52.38467 16.969  ", "5223.08N", "01658.14E"},
        {"52.38467N 16.969E", "5223.08N", "01658.14E"},
        {"N 52 23.080  E 016 58.140", "5223.08N", "01658.14E"},
        {"52\xC2\xB0"
         "23'04.8\"N 16\xC2\xB0"
         "58'08.4\"E",
         "5223.08N", "01658.14E"},
        {"16.969E 52.38467N", "5223.08N", "01658.14E"},
        {"5223.08N/01658.14E", "5223.08N", "01658.14E"},
        {"-33.8688, 151.2093", "3352.13S", "15112.56E"},
        {"40 26 46 S, 79 58 56 W", "4026.77S", "07958.93W"},
        {"IM99sc", "3906.25N", "00027.50W"},
        {"jo82", "5230.00N", "01700.00E"},
        // Rounding carries into the minutes and degrees, never to 60 minutes.
        {"52.99999, 16.99999", "5300.00N", "01700.00E"},
        {"0.999999, -0.999999", "0100.00N", "00100.00W"},
        {"-0.00001, -0.00001", "0000.00N", "00000.00E"},
        // The device takes neither 90° nor 180°: the nearest it takes.
        {"90, -180", "8959.99N", "17959.99W"},
    };
    for (const Row& r : rows) {
        const std::optional<Position> p = parsePosition(r.typed);
        ASSERT_TRUE(p) << r.typed;
        EXPECT_EQ(deviceLatitude(p->latitude), r.latitude) << r.typed;
        EXPECT_EQ(deviceLongitude(p->longitude), r.longitude) << r.typed;
    }
    for (const char* refused : {"", "52.3", "91, 10", "10, 181", "52 60 0, 16 0 0", "52.5 23, 16 1",
                                "N52 N16", "hello", "52.3, 16.9, 1", "-52 1 S, 16 E", "SA00", "JO8"})
        EXPECT_FALSE(parsePosition(refused)) << refused;
}

TEST(Coordinates, DeviceTextsToDegreesAndLocator) {
    struct Row {
        const char *latitude, *longitude, *degrees, *locator;
    };
    const Row rows[] = {
        {"5223.08N", "01658.14E", "52.38467, 16.96900", "JO82lj"},
        {"3906.25N", "00027.50W", "39.10417, -0.45833", "IM99sc"},
        {"3352.13S", "15112.56E", "-33.86883, 151.20933", "QF56od"},
        {"0000.00N", "00000.00E", "0.00000, 0.00000", "JJ00aa"},
        {"8959.99N", "17959.99E", "89.99983, 179.99983", "RR99xx"},
    };
    for (const Row& r : rows) {
        const std::optional<Position> p = fromDeviceTexts(r.latitude, r.longitude);
        ASSERT_TRUE(p) << r.latitude;
        EXPECT_EQ(decimalDegrees(*p), r.degrees);
        EXPECT_EQ(locatorOf(*p), r.locator);
        EXPECT_EQ(deviceLatitude(p->latitude), r.latitude) << "round trip";
        EXPECT_EQ(deviceLongitude(p->longitude), r.longitude) << "round trip";
    }
    EXPECT_FALSE(fromDeviceTexts("5260.00N", "01658.14E"));
    EXPECT_FALSE(fromDeviceTexts("5223.08n", "01658.14E"));
    EXPECT_FALSE(fromDeviceTexts("5223.08N", "18000.00E"));
}

TEST(Maidenhead, CentreOfEachSize) {
    struct Row {
        const char* locator;
        double latitude, longitude;
    };
    const Row rows[] = {
        {"IM99sc", 39.1042, -0.4583},    {"IM99", 39.5, -1.0},          {"JJ00", 0.5, 1.0},
        {"AA00aa", -89.9792, -179.9583}, {"RR99xx", 89.9792, 179.9583}, {"JO82lj42", 52.3854, 16.9542},
    };
    for (const Row& r : rows) {
        const std::optional<Position> p = locatorCentre(r.locator);
        ASSERT_TRUE(p) << r.locator;
        EXPECT_NEAR(p->latitude, r.latitude, 1e-4) << r.locator;
        EXPECT_NEAR(p->longitude, r.longitude, 1e-4) << r.locator;
        const std::string_view locator = r.locator;
        EXPECT_EQ(locatorOf(*p, static_cast<int>(locator.size() / 2)), locator);
    }
    for (const char* refused : {"SA00", "IM9", "IM99yc", "IM99sc5", "IMA9"})
        EXPECT_FALSE(locatorCentre(refused)) << refused;
}

TEST(SsidHints, EveryNumber) {
    const char* hints[16] = {"home station", "digipeater",       "digipeater",
                             "digipeater",   "digipeater",       "phone",
                             "satellite",    "handheld",         "second mobile",
                             "mobile",       "internet gateway", "balloon or aircraft",
                             "tracker",      "weather station",  "truck",
                             "digipeater"};
    for (int ssid = 0; ssid < 16; ++ssid) {
        const std::string hint = ssidHint(std::to_string(ssid));
        EXPECT_TRUE(hint.starts_with("-" + std::to_string(ssid) + ": ")) << hint;
        EXPECT_NE(hint.find(hints[ssid]), std::string::npos) << hint;
    }
    for (const char* none : {"16", "-1", "", "x"}) EXPECT_EQ(ssidHint(none), "") << none;
}

TEST(TelemetryRange, OverTheRawSamples) {
    struct Row {
        const char *a, *b, *c, *low, *high;
    };
    const Row rows[] = {
        {"0", "0.075", "0", "0", "19.1"}, {"0", "0.5", "-64", "-64", "63.5"},
        {"0", "-1", "0", "-255", "0"},    {"0.01", "-2.55", "0", "-163", "0"},
        {"0", "0", "5", "5", "5"},        {"0", "9.76", "0", "0", "2489"},
        {"+.25", "0", "0", "0", "16256"},
    };
    for (const Row& r : rows) {
        const std::optional<AnalogRange> range = analogRange(r.a, r.b, r.c);
        ASSERT_TRUE(range) << r.b;
        EXPECT_EQ(range->lowText, r.low) << r.a << " " << r.b << " " << r.c;
        EXPECT_EQ(range->highText, r.high) << r.a << " " << r.b << " " << r.c;
    }
    EXPECT_FALSE(analogRange("0", "0,075", "0"));
    EXPECT_FALSE(analogRange("0", "", "0"));
}

}  // namespace
}  // namespace zeru::aprs
