// SPDX-License-Identifier: GPL-3.0-or-later
// Every refusal of the encoding: its exact text, its boundaries and its place
// in the order of checks.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "image_test_helpers.h"
#include "interaction/command.h"
#include "settings/whole_number.h"

namespace zeru::test {
namespace {

struct Case {
    std::string setting;
    std::string value;
    std::string message;  // "" when the value passes
};

std::string ssidError(const std::string& what) { return what + " - SSID range error (0 - 15)."; }
std::string tooLong(const std::string& what, int max) {
    return what + " - too long (max " + std::to_string(max) + " characters).";
}

const std::string kLatitude = "Our latitude - syntax error (ex. 5221.60N, format: DDMM.MM).";
const std::string kLongitudeLength = "Our longitude - syntax error (ex. 01653.63E, format DDDMM.MM).";
const std::string kLongitude = "Our longitude - syntax error (ex. 01653.63E, format: DDDMM.MM).";
const std::string kTxdelay = "Preamble len - range error (200 - 1000).";
const std::string kQuiettime = "Quiet time - range error (200 - 3000).";
const std::string kInterval = "Position report interval range error (15 - 3600).";
const std::string kFixlost = "Position report interval on fix lost range error (60 - 3600).";
const std::string kFlood = "Antiflood timeout - range error (15 - 180).";
const std::string kTeledataRate = "Telemetry data tx rate (RF) range error (5 - 1440).";
const std::string kTeleparamsRate = "Telemetry parameters tx rate (RF) range error (5 - 1440).";
const std::string kHoldoff = "First telemetry data packet delay range error (0 - 250).";
const std::string kWeatherRate = "Weather report tx rate range error (5 - 1440).";
const std::string kBtLength = "Bluetooth name - wrong length. Should be at least one letter or digit.";
const std::string kBtChars = "Bluetooth name - forbidden characters. Should be letters or digits.";
const std::string kPwLength = "Bluetooth password - wrong length. Should be exactly 4 digits (0-9).";
const std::string kPwChars = "Bluetooth password - forbidden characters. Should be exactly 4 digits (0-9).";

std::vector<Case> singleSettingCases() {
    std::vector<Case> c = {
        {"Callsign", "", "Callsign - too short (ex. NOCALL-4)."},
        {"Callsign", "a", ""},
        {"Callsign", "abcdef", ""},
        {"Callsign", "abcdefg", tooLong("Callsign", 6)},
        {"Ssid", "0", ""},
        {"Ssid", "15", ""},
        {"Ssid", "16", ssidError("Callsign")},
        {"Ssid", "-1", ssidError("Callsign")},
        {"Ssid", "", ssidError("Callsign")},
        {"Ssid", "x", ssidError("Callsign")},
        {"Latitude", "5223.08N", ""},
        {"Latitude", "8959.99S", ""},
        {"Latitude", "0000.00N", ""},
        {"Latitude", "9000.00N", kLatitude},
        {"Latitude", "5260.00N", kLatitude},
        {"Latitude", "5223.08n", kLatitude},
        {"Latitude", "5223.08E", kLatitude},
        {"Latitude", "5223,08N", kLatitude},
        {"Latitude", "523.08N", kLatitude},
        {"Latitude", "5223.08NN", kLatitude},
        {"Longitude", "01658.14E", ""},
        {"Longitude", "17959.99W", ""},
        {"Longitude", "18000.00E", kLongitude},
        {"Longitude", "01660.00E", kLongitude},
        {"Longitude", "01658.14e", kLongitude},
        {"Longitude", "01658.14N", kLongitude},
        {"Longitude", "1658.14E", kLongitudeLength},
        {"Longitude", "01658.14EE", kLongitudeLength},
        {"Txdelay", "200", ""},
        {"Txdelay", "1000", ""},
        {"Txdelay", "199", kTxdelay},
        {"Txdelay", "1001", kTxdelay},
        {"Txdelay", "-5", kTxdelay},
        {"Quiettime", "200", ""},
        {"Quiettime", "3000", ""},
        {"Quiettime", "199", kQuiettime},
        {"Quiettime", "3001", kQuiettime},
        {"Position_report_interval", "15", ""},
        {"Position_report_interval", "3600", ""},
        {"Position_report_interval", "14", kInterval},
        {"Position_report_interval", "3601", kInterval},
        {"Position_report_interval", "65551", kInterval},  // would wrap to 15 in 16 bits
        {"Position_report_interval", "-65521", kInterval},
        {"Position_status_text", std::string(40, 's'), ""},
        {"Position_status_text", std::string(41, 's'), tooLong("Position report status text", 40)},
        {"Position_path1", "abcdefg", tooLong("Position report path 1", 6)},
        {"Position_fixlost_interval", "60", ""},
        {"Position_fixlost_interval", "3600", ""},
        {"Position_fixlost_interval", "59", kFixlost},
        {"Position_fixlost_interval", "3601", kFixlost},
        {"Position_fixlost_interval", "65596", kFixlost},  // would wrap to 60
        {"Floodtimeout", "15", ""},
        {"Floodtimeout", "180", ""},
        {"Floodtimeout", "14", kFlood},
        {"Floodtimeout", "181", kFlood},
        {"Floodtimeout", "-1", kFlood},
        {"Teledata_txrate_rf", "0", ""},
        {"Teledata_txrate_rf", "4", kTeledataRate},
        {"Teledata_txrate_rf", "5", ""},
        {"Teledata_txrate_rf", "1440", ""},
        {"Teledata_txrate_rf", "1441", kTeledataRate},
        {"Teledata_txrate_rf", "65536", kTeledataRate},  // would wrap to 0
        {"Teledata_txrate_rf", "-1", kTeledataRate},
        {"Teleparams_txrate_rf", "0", ""},
        {"Teleparams_txrate_rf", "4", kTeleparamsRate},
        {"Teleparams_txrate_rf", "1441", kTeleparamsRate},
        {"Teletitle", std::string(23, 't'), ""},
        {"Teletitle", std::string(24, 't'), tooLong("Telemetry project title", 23)},
        {"Tele_holdoff", "0", ""},
        {"Tele_holdoff", "250", ""},
        {"Tele_holdoff", "251", kHoldoff},
        {"Tele_holdoff", "-1", kHoldoff},
        {"Tele_holdoff", "256", kHoldoff},    // would wrap to 0
        {"Teleanalog5_name", "1234567", ""},  // the field takes 7 whatever the typing limit
        {"Teleanalog5_name", "12345678", tooLong("Analog channel 5 name", 7)},
        {"Teleanalog2_units", "12345678", tooLong("Analog channel 2 units", 7)},
        {"Teleanalog1_coefa", "123456789", tooLong("Analog channel 1 coefficient A", 8)},
        {"Teleanalog3_coefb", "123456789", tooLong("Analog channel 3 coefficient B", 8)},
        {"Teleanalog4_coefc", "12345678", ""},
        {"Teleanalog4_coefc", "123456789", tooLong("Analog channel 4 coefficient C", 8)},
        {"Teledigital8_name", "123456", ""},
        {"Teledigital8_name", "1234567", tooLong("Digital channel 8 name", 6)},
        {"Teledigital1_units", "1234567", tooLong("Digital channel 1 units", 6)},
        {"Weather_txrate", "5", ""},
        {"Weather_txrate", "1440", ""},
        {"Weather_txrate", "4", kWeatherRate},
        {"Weather_txrate", "1441", kWeatherRate},
        {"Weather_comment", std::string(32, '~'), ""},
        {"Weather_comment", std::string(33, 'c'), tooLong("Weather report comment", 32)},
        {"Weather_comment", "tab\there", "Weather report comment - forbidden characters."},
        {"Weather_comment", "caf\xE9", "Weather report comment - forbidden characters."},
        {"Weather_comment", "del\x7F", "Weather report comment - forbidden characters."},
        {"Bluetooth_name", "", kBtLength},
        {"Bluetooth_name", "a", ""},
        {"Bluetooth_name", "AZaz09", ""},
        {"Bluetooth_name", "a b", kBtChars},
        {"Bluetooth_name", "a_b", kBtChars},
        {"Bluetooth_name", std::string(20, 'b'), ""},
        {"Bluetooth_name", std::string(21, 'b'), tooLong("Bluetooth name", 20)},
        {"Bluetooth_password", "0000", ""},
        {"Bluetooth_password", "123", kPwLength},
        {"Bluetooth_password", "12345", kPwLength},
        {"Bluetooth_password", "12a4", kPwChars},
        {"Bluetooth_password", " 123", kPwChars},
    };
    const std::pair<const char*, const char*> smart[] = {
        {"min_turn_angle", "min turn angle"}, {"turn_slope", "turn slope"},
        {"min_turn_time", "min turn time"},   {"slow_speed", "slow speed"},
        {"slow_period", "slow period"},       {"fast_speed", "fast speed"},
        {"fast_period", "fast period"},
    };
    for (const auto& [name, words] : smart) {
        const std::string setting = std::string("Smartbeaconing_") + name;
        const std::string message = std::string("SmartBeaconing ") + words + " - range error (0 - 65535).";
        c.push_back({setting, "0", ""});
        c.push_back({setting, "65535", ""});
        c.push_back({setting, "65536", message});
        c.push_back({setting, "-1", message});
    }
    for (int n = 1; n <= 3; ++n) {
        const std::string d = std::to_string(n);
        c.push_back({"Position_ssid" + d, "16", ssidError("Position report path " + d)});
    }
    for (int n = 1; n <= 8; ++n) {
        const std::string d = std::to_string(n);
        c.push_back({"Alias" + d + "_ssid", "-1", ssidError("Digipeater alias " + d)});
    }
    for (int n = 1; n <= 4; ++n) {
        const std::string b = "Beacon" + std::to_string(n);
        const std::string w = "Beacon " + std::to_string(n);
        const std::string rate = w + " tx rate range error (5 - 1440).";
        c.push_back({b + "_dest_ssid", "16", ssidError(w + " destination")});
        c.push_back({b + "_path1_ssid", "16", ssidError(w + " path 1")});
        c.push_back({b + "_path2_ssid", "16", ssidError(w + " path 2")});
        c.push_back({b + "_path2_string", "toolong", tooLong(w + " path 2", 6)});
        c.push_back({b + "_txrate", "5", ""});
        c.push_back({b + "_txrate", "1440", ""});
        c.push_back({b + "_txrate", "4", rate});
        c.push_back({b + "_txrate", "1441", rate});
        c.push_back({b + "_message", "bell\x07", w + " message - forbidden characters."});
        c.push_back({b + "_message", "high\x80", w + " message - forbidden characters."});
        c.push_back({b + "_message", std::string(96, '~') + "\r\n", ""});
        c.push_back({b + "_message", std::string(97, 'm'), tooLong(w + " message", 96)});
    }
    for (const char* group : {"Teledata", "Teleparams"}) {
        const std::string g = group;
        const std::string words = g == "Teledata" ? "Telemetry data" : "Telemetry parameters";
        c.push_back({g + "_dest_ssid", "16", ssidError(words + " destination")});
        c.push_back({g + "_path1_ssid", "16", ssidError(words + " path")});
        c.push_back({g + "_path2_ssid", "16", ssidError(words + " path")});
        c.push_back({g + "_path1_string", "abcdefg", tooLong(words + " path 1", 6)});
    }
    c.push_back({"Weather_dest_ssid", "16", ssidError("Weather destination")});
    c.push_back({"Weather_path1_ssid", "16", ssidError("Weather path 1")});
    c.push_back({"Weather_path2_ssid", "16", ssidError("Weather path 2")});
    return c;
}

// Defaults leave some address entries without a name, which takes any SSID:
// give every entry a name so that each SSID is checked.
void nameEveryEntry(Settings& s) {
    s.setText(SettingId::Position_path3, "p3");
    s.setText(SettingId::Position_ssid3, "0");
    for (int n = 2; n <= 8; ++n) {
        s.setText(settingNamed("Alias" + std::to_string(n) + "_name"), "a" + std::to_string(n));
        s.setText(settingNamed("Alias" + std::to_string(n) + "_ssid"), "0");
    }
}

TEST(Validation, EachCheckWithItsBoundaries) {
    for (const Case& c : singleSettingCases()) {
        SCOPED_TRACE(c.setting + " = '" + c.value + "'");
        SettingsModel s;
        nameEveryEntry(s);
        s.setText(settingNamed(c.setting), c.value);
        RecordingUi ui;
        ConfigImage image{};
        const Outcome encoded = EncodeConfiguration(s, ui, image, 0);
        EXPECT_EQ(encoded.ok(), c.message.empty());
        if (!encoded) {
            EXPECT_EQ(encoded.failure().kind, FailureKind::SettingsRefused);
            EXPECT_EQ(encoded.failure().text, c.message);
        }
        EXPECT_EQ(ui.texts(RecordingUi::Event::Information),
                  c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
        EXPECT_EQ(ui.events.size(), c.message.empty() ? 0u : 1u);
    }
}

// Faults in the order the encoding checks them: with every fault from k on
// present, the message of fault k is the one shown.
TEST(Validation, FirstFailingSettingInEncodingOrderWins) {
    const std::vector<Case> faults = {
        {"Callsign", "", "Callsign - too short (ex. NOCALL-4)."},
        {"Ssid", "16", ssidError("Callsign")},
        {"Latitude", "9000.00N", kLatitude},
        {"Longitude", "01658.14EE", kLongitudeLength},
        {"Txdelay", "1001", kTxdelay},
        {"Quiettime", "3001", kQuiettime},
        {"Position_report_interval", "14", kInterval},
        {"Smartbeaconing_min_turn_angle", "65536",
         "SmartBeaconing min turn angle - range error (0 - 65535)."},
        {"Smartbeaconing_fast_period", "-1", "SmartBeaconing fast period - range error (0 - 65535)."},
        {"Position_status_text", std::string(41, 'x'), tooLong("Position report status text", 40)},
        {"Position_ssid1", "16", ssidError("Position report path 1")},
        {"Position_ssid3", "16", ssidError("Position report path 3")},
        {"Position_fixlost_interval", "59", kFixlost},
        {"Floodtimeout", "181", kFlood},
        {"Alias1_ssid", "16", ssidError("Digipeater alias 1")},
        {"Alias8_ssid", "16", ssidError("Digipeater alias 8")},
        {"Beacon1_dest_ssid", "16", ssidError("Beacon 1 destination")},
        {"Beacon1_path2_ssid", "16", ssidError("Beacon 1 path 2")},
        {"Beacon1_txrate", "4", "Beacon 1 tx rate range error (5 - 1440)."},
        {"Beacon1_message", "\x01", "Beacon 1 message - forbidden characters."},
        {"Beacon4_path1_ssid", "16", ssidError("Beacon 4 path 1")},
        {"Teledata_dest_ssid", "16", ssidError("Telemetry data destination")},
        {"Teledata_path2_ssid", "16", ssidError("Telemetry data path")},
        {"Teledata_txrate_rf", "4", kTeledataRate},
        {"Teleparams_path1_ssid", "16", ssidError("Telemetry parameters path")},
        {"Teleparams_txrate_rf", "1441", kTeleparamsRate},
        {"Teletitle", std::string(24, 't'), tooLong("Telemetry project title", 23)},
        {"Tele_holdoff", "251", kHoldoff},
        {"Teleanalog1_coefc", "123456789", tooLong("Analog channel 1 coefficient C", 8)},
        {"Teledigital3_name", "1234567", tooLong("Digital channel 3 name", 6)},
        {"Weather_dest_ssid", "16", ssidError("Weather destination")},
        {"Weather_path2_ssid", "16", ssidError("Weather path 2")},
        {"Weather_txrate", "4", kWeatherRate},
        {"Weather_comment", "\xE9", "Weather report comment - forbidden characters."},
        {"Bluetooth_name", "", kBtLength},
        {"Bluetooth_password", "123", kPwLength},
    };
    for (std::size_t k = faults.size(); k-- > 0;) {
        SettingsModel s;
        nameEveryEntry(s);
        for (std::size_t i = k; i < faults.size(); ++i)
            s.setText(settingNamed(faults[i].setting), faults[i].value);
        RecordingUi ui;
        ConfigImage image{};
        const Outcome encoded = EncodeConfiguration(s, ui, image, 0);
        ASSERT_FALSE(encoded);
        EXPECT_EQ(encoded.failure().setting, settingNamed(faults[k].setting))
            << "the refusal names its setting";
        EXPECT_EQ(ui.boxes(), std::vector<std::string>{faults[k].message}) << "from " << faults[k].setting;
    }
}

TEST(Validation, EmptyNameTakesAnySsidText) {
    for (const char* ssid : {"", "x", "99", "-1"}) {
        SettingsModel s;
        s.setText(SettingId::Position_path3, "");
        s.setText(SettingId::Position_ssid3, ssid);
        s.setText(SettingId::Alias5_name, "");
        s.setText(SettingId::Alias5_ssid, ssid);
        const ConfigImage image = encodeOrFail(s);
        EXPECT_EQ(slice(image, 114, 7), bytesOf("      0")) << ssid;
        EXPECT_EQ(slice(image, 192 + 36, 7), bytesOf("      0")) << ssid;
    }
}

TEST(Validation, NothingIsWrittenPastARefusedText) {
    SettingsModel s;
    s.setText(SettingId::Position_status_text, std::string(60, 'x'));
    RecordingUi ui;
    ConfigImage image{};
    EXPECT_FALSE(EncodeConfiguration(s, ui, image, 0));
    EXPECT_EQ(slice(image, 123, 41), std::vector<std::uint8_t>(41, 0));
    EXPECT_EQ(image[164], 7) << "Mice_message, stored before the status text, is intact";
}

// A number text that is not an integer ends the encoding with the error box,
// and the refusal names its setting.
TEST(Validation, NonIntegerNumberEndsTheCommandWithTheErrorBox) {
    const std::pair<const char*, const char*> cases[] = {
        {"Txdelay", "abc"},    {"Quiettime", ""},        {"Smartbeaconing_turn_slope", "1.5"},
        {"Tele_holdoff", "x"}, {"Beacon3_txrate", "5 "}, {"Weather_txrate", "99999999999"},
    };
    for (const auto& [setting, value] : cases) {
        SettingsModel s;
        s.setText(settingNamed(setting), value);
        RecordingUi ui;
        ConfigImage image{};
        const Outcome encoded = EncodeConfiguration(s, ui, image, 0);
        ASSERT_FALSE(encoded);
        EXPECT_EQ(encoded.failure().setting, settingNamed(setting));
        EXPECT_EQ(encoded.failure().kind, FailureKind::SettingsRefused);
        EXPECT_EQ(
            ui.events,
            (std::vector<RecordingUi::Event>{
                {RecordingUi::Event::Error, "'" + std::string(value) + "' is not a valid integer value."}}))
            << setting;
    }
}

TEST(Validation, EarlierRefusalComesBeforeALaterConversionError) {
    SettingsModel s;
    s.setText(SettingId::Callsign, "");
    s.setText(SettingId::Tele_holdoff, "soon");
    RecordingUi ui;
    ConfigImage image{};
    EXPECT_FALSE(EncodeConfiguration(s, ui, image, 0));
    EXPECT_EQ(ui.boxes(), std::vector<std::string>{"Callsign - too short (ex. NOCALL-4)."});
    s.setText(SettingId::Callsign, "N0CALL");
    ui.events.clear();
    const Outcome encoded = EncodeConfiguration(s, ui, image, 0);
    ASSERT_FALSE(encoded);
    EXPECT_EQ(encoded.failure().setting, SettingId::Tele_holdoff);
    EXPECT_EQ(ui.texts(RecordingUi::Event::Error),
              std::vector<std::string>{"'soon' is not a valid integer value."});
}

}  // namespace
}  // namespace zeru::test
