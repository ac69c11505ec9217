// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/station.h"

#include <gtest/gtest.h>

#include <array>

#include "image_test_helpers.h"

namespace zeru::test {
namespace {

using Field7 = std::array<std::uint8_t, 7>;

Field7 field(std::string_view seven) {
    Field7 f{};
    std::copy(seven.begin(), seven.end(), f.begin());
    return f;
}

TEST(EncodeStation, Table) {
    struct Row {
        std::string name, ssid;
        bool ok;
        std::string bytes;  // the field after the call
    };
    const Row rows[] = {
        {"nocall", "4", true, "NOCALL\x34"}, {"AB", "12", true, "AB    \x3C"},
        {"a b", "0", true, "A B   0"},       {"wide1", "15", true, "WIDE1 ?"},
        {"x", "+07", true, "X     7"},       {"caf\xE9", "1", true, "CAF\xE9  1"},  // only a to z change case
        {"", "", true, "      0"},           {"", "letters", true, "      0"},
        {"", "16", true, "      0"},         {"call", "16", false, "#######"},
        {"call", "-1", false, "#######"},    {"call", "", false, "#######"},
        {"call", "x", false, "#######"},     {"toolong", "1", false, "#######"},
    };
    for (const Row& r : rows) {
        Field7 f = field("#######");
        EXPECT_EQ(EncodeStation(r.name, r.ssid, f), r.ok) << r.name << "-" << r.ssid;
        EXPECT_EQ(f, field(r.bytes)) << r.name << "-" << r.ssid;
    }
}

TEST(DecodeStation, Table) {
    struct Row {
        Field7 bytes;
        std::string name, ssid;
    };
    const Row rows[] = {
        {field("NOCALL4"), "NOCALL", "4"},
        {field("AB    <"), "AB", "12"},
        {field("      0"), "", "0"},
        {field("A B   ?"), "A B", "15"},
        {field(" LEAD 1"), " LEAD", "1"},
        {{'A', 'B', 0, 'C', 'D', ' ', '3'}, "AB", "3"},
        {{'A', ' ', ' ', ' ', ' ', ' ', 0}, "A", "-48"},
        {{'A', ' ', ' ', ' ', ' ', ' ', 0x40}, "A", "16"},
        {{'A', ' ', ' ', ' ', ' ', ' ', 0xFF}, "A", "-49"},  // the SSID byte is signed
        {{'S', 'I', 'X', 'S', 'I', 'X', '9'}, "SIXSIX", "9"},
    };
    for (const Row& r : rows) {
        SettingsModel s;
        DecodeStation(r.bytes, s, SettingId::Position_path1, SettingId::Position_ssid1);
        EXPECT_EQ(s.text(SettingId::Position_path1), r.name);
        EXPECT_EQ(s.text(SettingId::Position_ssid1), r.ssid);
    }
}

}  // namespace
}  // namespace zeru::test
