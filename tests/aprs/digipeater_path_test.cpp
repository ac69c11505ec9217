// SPDX-License-Identifier: GPL-3.0-or-later
#include "aprs/digipeater_path.h"

#include <gtest/gtest.h>

namespace zeru::aprs {
namespace {

TEST(DigipeaterPath, ReadsPathsAsPeopleWriteThemAndRefusesWhatCannotGoOnTheAir) {
    struct Row {
        const char* text;
        const char* read;  // the addresses joined by ',' again; "" for refused
    };
    const Row rows[] = {
        {"WIDE1-1,WIDE2-2", "WIDE1-1,WIDE2-2"},
        {"WIDE1-1, WIDE2-2", "WIDE1-1,WIDE2-2"},
        {" wide1-1 wide2-1\n", "WIDE1-1,WIDE2-1"},
        {"RELAY,", "RELAY"},
        {"RELAY,WIDE1-01", "RELAY,WIDE1-1"},
        {"MW0WMW-15", "MW0WMW-15"},
        {"MW0WMW-16", ""},
        {"WIDE1-", ""},
        {"W D", "W,D"},
        {"MW0W,M7", "MW0W,M7"},
        {"TOOLONG1", ""},
        {"WIDE*", ""},
        {"5223.08N", ""},
        {" , ", ""},
        {"", ""},
    };
    for (const Row& r : rows) {
        const auto path = parsePath(r.text);
        std::string read;
        for (const PathAddress& a : path.value_or(std::vector<PathAddress>{}))
            read += (read.empty() ? "" : ",") + a.call + (a.ssid.empty() ? "" : "-" + a.ssid);
        EXPECT_EQ(read, r.read) << r.text;
        EXPECT_EQ(path.has_value(), *r.read != '\0') << r.text;
    }
}

}  // namespace
}  // namespace zeru::aprs
