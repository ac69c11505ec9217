// SPDX-License-Identifier: GPL-3.0-or-later
// A line break could not be kept in a configuration file: every text setting
// holding one is refused, except the beacon messages, which drop theirs.
#include <gtest/gtest.h>

#include <string>

#include "image/layout.h"
#include "image_test_helpers.h"

namespace zeru::test {
namespace {

struct LineBreakCase {
    std::string setting;
    std::string value;
    std::string message;  // "" when the value is accepted
};

std::string refused(const std::string& what) { return what + " - line breaks are not allowed."; }

TEST(LineBreaks, RefusedInTextSettingsWithTheSettingNamed) {
    const LineBreakCase cases[] = {
        {"Callsign", "N0\nCAL", refused("Callsign")},
        {"Position_symbol_table", "\r", refused("Position report symbol table")},
        {"Position_status_text", "first\rsecond", refused("Position report status text")},
        {"Position_status_text", "tab\there", ""},
        {"Teledata_path1_string", "WIDE1\n", refused("Telemetry data path 1")},  // not the shared SSID text
        {"Teletitle", "\r\n", refused("Telemetry project title")},
        {"Teledigital4_units", "O\r", refused("Digital channel 4 units")},
        {"Weather_comment", "wx\n", "Weather report comment - forbidden characters."},
        {"Beacon3_message", "one\r\ntwo\n", ""},
    };
    for (const LineBreakCase& c : cases) {
        SCOPED_TRACE(c.setting);
        SettingsModel s;
        s.setText(settingNamed(c.setting), c.value);
        RecordingUi ui;
        ConfigImage image{};
        EXPECT_EQ(EncodeConfiguration(s, ui, image, 0).ok(), c.message.empty());
        EXPECT_EQ(ui.boxes(),
                  c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
    }
}

TEST(LineBreaks, BeaconMessagesAreStoredWithoutThem) {
    SettingsModel s;
    s.setText(SettingId::Beacon3_message, "one\r\ntwo\n");
    const ConfigImage image = encodeOrFail(s);
    EXPECT_EQ(slice(image, layout::kBeacons[2].message.offset, 7), bytesOf(std::string("onetwo\0", 7)));
}

}  // namespace
}  // namespace zeru::test
