// SPDX-License-Identifier: GPL-3.0-or-later
// The search over the catalogue: which settings come first for what a user
// types, the places they are shown at, and the words that find nothing.
#include "search/setting_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search/setting_place.h"
#include "settings/settings_model.h"

namespace zeru::search {
namespace {

using S = SettingId;

std::vector<SettingId> firstHits(const SettingSearch& search, std::string_view words, const Settings& values,
                                 std::size_t count) {
    std::vector<SettingId> ids;
    for (const Hit& hit : search.find(words, values, count)) ids.push_back(hit.setting);
    return ids;
}

TEST(SettingSearch, RanksNamesBeforeWordStartsBeforeElsewhere) {
    const SettingSearch search;
    SettingsModel values;
    values.setText(S::Beacon4_message, "Krak\xF3w club net");  // Latin-1, as settings hold it
    struct Case {
        std::string words;
        std::vector<SettingId> first;  // the first hits, in order
        Rank rank;                     // the first hit's rank
    };
    const Case cases[] = {
        // Word order, letter case and a number written onto its word.
        {"PATH beacon2", {S::Beacon2_path1_string, S::Beacon2_path2_string}, Rank::WordStart},
        // A label said whole comes first, then the labels it begins.
        {"kiss", {S::Debug_kiss, S::Kiss_baudrate, S::Kiss_direction}, Rank::Exact},
        // A word begun: the three baud rates, the shorter name first, then the form's order.
        {"baud", {S::Kiss_baudrate, S::Console_baudrate, S::GPS_baudrate}, Rank::WordStart},
        // Words typed together that stand together: Beacon 2's paths before the other beacons' path 2.
        {"beacon 2 path",
         {S::Beacon2_path1_string, S::Beacon2_path2_string, S::Beacon2_path1_ssid, S::Beacon2_path2_ssid},
         Rank::WordStart},
        // A file key, whole and as section.key.
        {"TXdelay", {S::Txdelay}, Rank::Exact},
        {"Beacons.Beacon2_msg", {S::Beacon2_message}, Rank::Exact},
        // A spoken name.
        {"smartbeaconing slow speed km h", {S::Smartbeaconing_slow_speed}, Rank::Exact},
        // Only in a tooltip, in a choice, in a value (accents dropped both ways).
        {"preamble", {S::Txdelay}, Rank::Elsewhere},
        {"davis", {S::Weather_stationtype}, Rank::Elsewhere},
        {"krakow", {S::Beacon4_message}, Rank::Elsewhere},
        {"KRAKÓW", {S::Beacon4_message}, Rank::Elsewhere},
        // A page's name narrows the words found in labels.
        {"bluetooth name", {S::Bluetooth_name}, Rank::Exact},
    };
    for (const Case& c : cases) {
        const std::vector<Hit> hits = search.find(c.words, values);
        ASSERT_GE(hits.size(), c.first.size()) << c.words;
        EXPECT_EQ(firstHits(search, c.words, values, c.first.size()), c.first) << c.words;
        EXPECT_EQ(hits.front().rank, c.rank) << c.words;
        for (std::size_t i = 1; i < hits.size(); ++i)
            EXPECT_LE(hits[i - 1].rank, hits[i].rank) << c.words << " at " << i;
    }
}

TEST(SettingSearch, EveryWordMustBeFound) {
    const SettingSearch search;
    const SettingsModel values;
    for (const char* words : {"", "  ,; ", "beacon 9 path", "xyzzy", "kiss zebra", "\xE2\x82\xAC"})
        EXPECT_TRUE(search.find(words, values).empty()) << words;
}

TEST(SettingSearch, HitsTellPlaceValueAndFileKey) {
    const SettingSearch search;
    SettingsModel values;
    values.setIndex(S::Serial1_mode, 4);
    values.setText(S::Callsign, "SP9\xC9");  // Latin-1 in the settings, UTF-8 in the hit
    struct Case {
        std::string words;
        std::string place, value, fileKey;
    };
    const Case cases[] = {
        {"beacon 2 path 1", "Beacons › Beacon 2 › Path 1", "WIDE1", "Beacons.Beacon2_path1_string"},
        {"rs-232 port 2", "External interfaces › Serial ports › RS-232 port 2", "KISS",
         "SerialPorts.Serial1"},
        {"callsign", "Radio › Callsign", "SP9É", "Radio.Callsign"},
        {"slow speed", "Position reports › SmartBeaconing › Slow speed [km/h]", "8",
         "PositionReports.SlowSpeed"},
        {"orvaxe output 3", "Telemetry reports › Orvaxe outputs › Output 3 default state", "Off",
         "Telemetry.Orvaxe_output3"},
        {"analog 2 units", "Telemetry reports › Analog channels › Analog 2 › Units", "None",
         "Telemetry.Teleanalog2_units"},
        {"position path 3 ssid", "Position reports › Report encoding settings › Path 3 SSID", "",
         "PositionReports.SSID3"},
    };
    for (const Case& c : cases) {
        const std::vector<Hit> hits = search.find(c.words, values, 1);
        ASSERT_EQ(hits.size(), 1U) << c.words;
        EXPECT_EQ(hits[0].place, c.place) << c.words;
        EXPECT_EQ(hits[0].value, c.value) << c.words;
        EXPECT_EQ(hits[0].fileKey, c.fileKey) << c.words;
    }
}

TEST(SettingPlace, EverySettingHasAPageAndAField) {
    for (const SettingDef& def : settingsCatalogue().defs()) {
        const std::vector<std::string> steps = placeSteps(def);
        ASSERT_GE(steps.size(), 2U) << def.name;
        for (std::size_t i = 1; i < steps.size(); ++i) EXPECT_NE(steps[i], steps[i - 1]) << def.name;
    }
}

}  // namespace
}  // namespace zeru::search
