// SPDX-License-Identifier: GPL-3.0-or-later
// Byte-exact placement of every field, one test per kind of record.
#include "image/layout.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "image/byte_fields.h"
#include "image_test_helpers.h"

namespace zeru::test {
using namespace std::string_literals;
namespace {

using Bytes = std::vector<std::uint8_t>;
using Value = std::variant<std::string, int>;  // text or selected index

struct Placement {
    std::vector<std::pair<std::string, Value>> set;
    std::size_t offset;
    Bytes bytes;
};

void apply(Settings& s, const Placement& p) {
    for (const auto& [name, value] : p.set) {
        if (const auto* t = std::get_if<std::string>(&value))
            s.setText(settingNamed(name), *t);
        else
            s.setIndex(settingNamed(name), std::get<int>(value));
    }
}

void expectPlacements(const std::vector<Placement>& rows) {
    SettingsModel s;
    for (const Placement& p : rows) apply(s, p);
    const ConfigImage image = encodeOrFail(s);
    for (const Placement& p : rows)
        EXPECT_EQ(slice(image, p.offset, p.bytes.size()), p.bytes)
            << "offset " << p.offset << " (" << p.set.front().first << ")";
}

Bytes text(std::string_view chars, std::size_t width) {
    Bytes b = bytesOf(chars);
    b.resize(width, 0);
    return b;
}

TEST(ImageLayout, RadioPortAndPositionFields) {
    expectPlacements({
        {{{"Callsign", "nocall"}, {"Ssid", "4"}}, 14, bytesOf("NOCALL\x34\0\0\0"s)},
        {{{"Txdelay", "300"}}, 24, {0x2C, 0x01, 0x00, 0x00}},
        {{{"Quiettime", "3000"}}, 28, {0xB8, 0x0B, 0x00, 0x00}},
        {{{"Quiettime_randomize", 4}}, 32, {4}},
        {{{"Latitude", "5223.08S"}}, 33, text("5223.08S", 9)},
        {{{"Longitude", "17959.99W"}}, 42, text("17959.99W", 10)},
        {{{"Ptt", 1},
          {"Squelch", 9},
          {"Busydetect", 1},
          {"Consecutive_packets", 1},
          {"Output_level", 4},
          {"Serial1_mode", 3},
          {"Serial2_mode", 3}},
         52,
         {1, 9, 1, 1, 4, 3, 3}},
        {{{"Bluetooth_name", "Blue1"}}, 59, text("Blue1", 21)},
        {{{"Bluetooth_password", "0123"}}, 80, text("0123", 5)},
        {{{"RS485_mode", 3},
          {"GPS_baudrate", 4},
          {"Console_baudrate", 1},
          {"Kiss_baudrate", 2},
          {"Kiss_direction", 0},
          {"Kiss_check", 0}},
         85,
         {3, 4, 1, 2, 0, 0, 0}},
        {{{"Position_report_mode", 1}}, 92, {1, 0}},
        {{{"Position_report_interval", "3600"}, {"Position_fixlost_interval", "61"}},
         94,
         {0x10, 0x0E, 0x3D, 0x00}},
        {{{"Position_report_encoding", 2}, {"Position_time", 1}}, 98, {2, 1}},
        {{{"Position_path1", "ab"},
          {"Position_ssid1", "12"},
          {"Position_path2", ""},
          {"Position_ssid2", "zz"},
          {"Position_path3", "Wide2"},
          {"Position_ssid3", "+02"}},
         100,
         bytesOf("AB    \x3C      \x30WIDE2 \x32")},
        {{{"Position_symbol_code", ""}, {"Position_symbol_table", "\\xx"}}, 121, {0, '\\'}},
        {{{"Position_status_text", "Hi there"}}, 123, text("Hi there", 41)},
        {{{"Mice_message", 7},
          {"Position_coursespeed", 0},
          {"Position_altitude", 1},
          {"Position_reportonfixlost", 0}},
         164,
         {0, 0, 1, 0}},
        {{{"Smartbeaconing_min_turn_angle", "65535"},
          {"Smartbeaconing_turn_slope", "258"},
          {"Smartbeaconing_min_turn_time", "0"},
          {"Smartbeaconing_slow_speed", "1"},
          {"Smartbeaconing_slow_period", "256"},
          {"Smartbeaconing_fast_speed", "0300"},
          {"Smartbeaconing_fast_period", "+7"}},
         168,
         {0xFF, 0xFF, 0x02, 0x01, 0, 0, 1, 0, 0, 1, 0x2C, 0x01, 7, 0, 0, 0}},
        {{{"Digion", 0}, {"Floodtimeout", "180"}}, 184, {0, 0, 0, 0, 0xB4, 0, 0, 0}},
        {{{"Weather_stationtype", 10},
          {"Weather_dest_string", "apkv07"},
          {"Weather_dest_ssid", "15"},
          {"Weather_path1_string", "A"},
          {"Weather_path1_ssid", "0"},
          {"Weather_path2_string", ""},
          {"Weather_path2_ssid", ""}},
         776,
         bytesOf("\x0A"
                 "APKV07\x3F"
                 "A     \x30"
                 "      \x30"
                 "\0\0"s)},
        {{{"Weather_txrate", "1440"}, {"Weather_enable", 0}, {"Weather_position", 0}},
         800,
         {0xA0, 0x05, 0, 0, 0, 0}},
        {{{"Weather_comment", "Wx!"}}, 806, text("Wx!", 34)},
        {{{"Teletitle", "Title"}, {"Tele_enable", 1}, {"Telemodule_enable", 1}, {"Bitsmodule_enable", 1}},
         840,
         [] {
             Bytes b = text("Title", 24);
             b.insert(b.end(), {1, 1, 1});
             return b;
         }()},
        {{{"Teledata_dest_string", "d"},
          {"Teledata_dest_ssid", "1"},
          {"Teledata_path1_string", "p1"},
          {"Teledata_path1_ssid", "2"},
          {"Teledata_path2_string", "p2"},
          {"Teledata_path2_ssid", "3"},
          {"Teledata_txrate_rf", "0"}},
         867,
         bytesOf("D     1P1    2P2    3\0\0\0\0"s)},
        {{{"Teleparams_dest_string", "e"},
          {"Teleparams_dest_ssid", "4"},
          {"Teleparams_path1_string", "q1"},
          {"Teleparams_path1_ssid", "5"},
          {"Teleparams_path2_string", "q2"},
          {"Teleparams_path2_ssid", "6"},
          {"Teleparams_txrate_rf", "1440"}},
         892,
         bytesOf("E     4Q1    5Q2    6\0\xA0\x05\0\0"s)},
        {{{"Orvaxe_output1", 1},
          {"Orvaxe_output2", 0},
          {"Orvaxe_output3", 1},
          {"Orvaxe_output4", 0},
          {"Tele_holdoff", "250"},
          {"Debug_rf", 0},
          {"Debug_ax25", 1},
          {"Debug_weather", 0},
          {"Debug_telemetry", 1},
          {"Debug_bluetooth", 0},
          {"Debug_gps", 1},
          {"Debug_kiss", 0},
          {"Debug_thermo", 1}},
         1271,
         bytesOf("\x01\x00\x01\x00\xFA\x00\x01\x00\x01\x00\x01\x00\x01"
                 "END\0"s)},
    });
}

TEST(ImageLayout, FixedContentAndReservedBytes) {
    SettingsModel s;
    const ConfigImage image = encodeOrFail(s, 0x1234);
    EXPECT_EQ(getU32(image, 0), imageChecksum(image));
    EXPECT_EQ(slice(image, 4, 2), (Bytes{0x34, 0x12}));
    EXPECT_EQ(slice(image, 6, 8), text("v1.02", 8));
    for (std::size_t reserved : {21, 22, 23, 91, 93, 182, 183, 798, 799, 839, 890, 891, 913, 916, 917, 1287})
        EXPECT_EQ(image[reserved], 0) << reserved;
    for (std::size_t b = 0; b < 4; ++b)
        for (std::size_t r = 21; r < 24; ++r) EXPECT_EQ(image[264 + 128 * b + r], 0);
    EXPECT_EQ(slice(image, kConfigBlockSize, kImageSize - kConfigBlockSize),
              Bytes(kImageSize - kConfigBlockSize, 0));
}

TEST(ImageLayout, NoSelectionIsStoredAs255AndMiceMessageAsSevenMinusItsIndex) {
    SettingsModel s;
    s.setIndex(SettingId::Ptt, -1);
    s.setIndex(SettingId::Digion, -1);
    s.setIndex(SettingId::Kiss_check, -1);
    s.setIndex(SettingId::Mice_message, 0);  // "Off Duty"
    ConfigImage image = encodeOrFail(s);
    EXPECT_EQ(image[52], 255);
    EXPECT_EQ(slice(image, 184, 4), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(image[90], 255);
    EXPECT_EQ(image[164], 7);
    s.setIndex(SettingId::Mice_message, -1);
    image = encodeOrFail(s);
    EXPECT_EQ(image[164], 8);
}

TEST(ImageLayout, AliasRecords) {
    SettingsModel s;
    for (int n = 1; n <= 8; ++n) {
        const std::string a = "Alias" + std::to_string(n);
        s.setText(settingNamed(a + "_name"), "al" + std::to_string(n));
        s.setText(settingNamed(a + "_ssid"), std::to_string(n + 7));
        s.setIndex(settingNamed(a + "_traceable"), n % 2);
        s.setIndex(settingNamed(a + "_enable"), (n + 1) % 2);
    }
    const ConfigImage image = encodeOrFail(s);
    for (int n = 1; n <= 8; ++n) {
        const std::size_t at = 192 + 9 * static_cast<std::size_t>(n - 1);
        Bytes expected = bytesOf("AL" + std::to_string(n) + "   ");
        expected.insert(expected.end(),
                        {static_cast<std::uint8_t>(0x30 + n + 7), static_cast<std::uint8_t>(n % 2),
                         static_cast<std::uint8_t>((n + 1) % 2)});
        EXPECT_EQ(slice(image, at, 9), expected) << "alias " << n;
    }
}

TEST(ImageLayout, BeaconRecords) {
    SettingsModel s;
    for (int n = 1; n <= 4; ++n) {
        const std::string b = "Beacon" + std::to_string(n);
        const std::string d = std::to_string(n);
        s.setText(settingNamed(b + "_dest_string"), "dst" + d);
        s.setText(settingNamed(b + "_dest_ssid"), d);
        s.setText(settingNamed(b + "_path1_string"), "pa" + d);
        s.setText(settingNamed(b + "_path1_ssid"), "1" + d);
        s.setText(settingNamed(b + "_path2_string"), "");
        s.setText(settingNamed(b + "_path2_ssid"), "junk");
        s.setText(settingNamed(b + "_txrate"), std::to_string(1000 + n));
        s.setIndex(settingNamed(b + "_enable"), n - 1);
        s.setText(settingNamed(b + "_message"), "line " + d + "\r\nnext\nend\r");
    }
    const ConfigImage image = encodeOrFail(s);
    for (int n = 1; n <= 4; ++n) {
        const std::size_t at = 264 + 128 * static_cast<std::size_t>(n - 1);
        const std::string d = std::to_string(n);
        Bytes expected = bytesOf("DST" + d + "  " + d + "PA" + d + "   X");
        expected.back() = static_cast<std::uint8_t>(0x30 + 10 + n);
        expected.insert(expected.end(), {' ', ' ', ' ', ' ', ' ', ' ', 0x30, 0, 0, 0});
        expected.insert(expected.end(),
                        {static_cast<std::uint8_t>((1000 + n) & 0xFF),
                         static_cast<std::uint8_t>((1000 + n) >> 8), 0, 0, static_cast<std::uint8_t>(n - 1)});
        const Bytes message = text("line " + d + "nextend", 99);
        expected.insert(expected.end(), message.begin(), message.end());
        EXPECT_EQ(slice(image, at, 128), expected) << "beacon " << n;
    }
}

TEST(ImageLayout, AnalogChannelRecords) {
    SettingsModel s;
    for (int n = 1; n <= 5; ++n) {
        const std::string c = "Teleanalog" + std::to_string(n);
        const std::string d = std::to_string(n);
        s.setIndex(settingNamed(c + "_source"), n + 8);
        s.setText(settingNamed(c + "_name"), "Nm" + d);
        s.setText(settingNamed(c + "_units"), "Un" + d);
        s.setText(settingNamed(c + "_coefa"), "-0.00" + d);
        s.setText(settingNamed(c + "_coefb"), "1e" + d);
        s.setText(settingNamed(c + "_coefc"), "12345678");
        s.setIndex(settingNamed(c + "_average"), n % 2);
    }
    const ConfigImage image = encodeOrFail(s);
    for (int n = 1; n <= 5; ++n) {
        const std::size_t at = 918 + 45 * static_cast<std::size_t>(n - 1);
        const std::string d = std::to_string(n);
        Bytes expected{static_cast<std::uint8_t>(n + 8)};
        for (const Bytes& part : {text("Nm" + d, 8), text("Un" + d, 8), text("-0.00" + d, 9),
                                  text("1e" + d, 9), text("12345678", 9)})
            expected.insert(expected.end(), part.begin(), part.end());
        expected.push_back(static_cast<std::uint8_t>(n % 2));
        EXPECT_EQ(slice(image, at, 45), expected) << "analog " << n;
    }
}

TEST(ImageLayout, DigitalChannelRecords) {
    SettingsModel s;
    for (int n = 1; n <= 8; ++n) {
        const std::string c = "Teledigital" + std::to_string(n);
        const std::string d = std::to_string(n);
        s.setIndex(settingNamed(c + "_source"), 9 - n);
        s.setText(settingNamed(c + "_name"), "D" + d);
        s.setText(settingNamed(c + "_units"), "up" + d);
        s.setIndex(settingNamed(c + "_inverted"), (n + 1) % 2);
    }
    const ConfigImage image = encodeOrFail(s);
    for (int n = 1; n <= 8; ++n) {
        const std::size_t at = 1143 + 16 * static_cast<std::size_t>(n - 1);
        const std::string d = std::to_string(n);
        Bytes expected{static_cast<std::uint8_t>(9 - n)};
        for (const Bytes& part : {text("D" + d, 7), text("up" + d, 7)})
            expected.insert(expected.end(), part.begin(), part.end());
        expected.push_back(static_cast<std::uint8_t>((n + 1) % 2));
        EXPECT_EQ(slice(image, at, 16), expected) << "digital " << n;
    }
}

TEST(ImageLayout, DefaultsEncodeToTheKnownStartOfTheBlock) {
    SettingsModel defaults;
    const ConfigImage image = encodeOrFail(defaults);
    EXPECT_EQ(slice(image, 6, 46), bytesOf("v1.02\0\0\0NOCALL0\0\0\0\xFA\0\0\0\x90\x01\0\0\x03"
                                           "5223.08N\0"
                                           "01658.14E\0"s));
    EXPECT_EQ(slice(image, 264, 29), bytesOf("APKV070WIDE1 1WIDE2 1\0\0\0\x1E\0\0\0\x02"s));
}

}  // namespace
}  // namespace zeru::test
