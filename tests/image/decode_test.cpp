// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "image/byte_fields.h"
#include "image_test_helpers.h"
#include "support/random_settings.h"

namespace zeru::test {
namespace {

// Records which settings were written, to make sure decoding sets all of them.
class WriteLog final : public Settings {
public:
    std::string text(SettingId id) const override { return model.text(id); }
    void setText(SettingId id, std::string_view value) override {
        written.emplace_back(settingName(id));
        model.setText(id, value);
    }
    int index(SettingId id) const override { return model.index(id); }
    void setIndex(SettingId id, int index) override {
        written.emplace_back(settingName(id));
        model.setIndex(id, index);
    }
    void setEnabled(std::string_view control, bool enabled) override { model.setEnabled(control, enabled); }
    bool isEnabled(std::string_view control) const override { return model.isEnabled(control); }

    SettingsModel model;
    std::vector<std::string> written;
};

ConfigImage defaultImage() {
    SettingsModel defaults;
    return encodeOrFail(defaults);
}

// A model whose every setting differs from the defaults where it can.
SettingsModel changedModel() {
    SettingsModel s;
    for (const SettingDef& d : settingsCatalogue().defs()) {
        if (d.kind == SettingKind::Text)
            s.setText(d.id, "changed");
        else
            s.setIndex(d.id, d.defaultIndex == 0 ? 1 : 0);
    }
    return s;
}

TEST(Decode, DefaultsComeBackIntoAChangedModel) {
    ConfigImage image = defaultImage();
    SettingsModel s = changedModel();
    RecordingUi ui;
    ASSERT_TRUE(DecodeConfiguration(image, s, ui));
    SettingsModel expected;  // empty names without SSID come back with SSID 0
    applyImageNormalisations(expected);
    expectSameSettings(expected, s);
    EXPECT_EQ(s.text(SettingId::Alias2_ssid), "0");
    EXPECT_EQ(ui.events, std::vector<RecordingUi::Event>{});
}

TEST(Decode, EverySettingIsWrittenExactlyOnce) {
    ConfigImage image = defaultImage();
    WriteLog log;
    RecordingUi ui;
    ASSERT_TRUE(DecodeConfiguration(image, log, ui));
    std::multiset<std::string> written(log.written.begin(), log.written.end());
    for (const SettingDef& d : settingsCatalogue().defs())
        EXPECT_EQ(written.count(std::string(d.name)), 1u) << d.name;
    EXPECT_EQ(written.size(), settingsCatalogue().size());
}

TEST(Decode, ForeignVersionIsRefusedWithBothVersionsNamed) {
    struct Row {
        std::string stored;  // the 8 bytes at offset 6
        std::string shown;
    };
    const Row rows[] = {
        {std::string("v1.01\0\0\0", 8), "v1.01"},
        {"v9.99xyz", "v9.99xy"},  // at most 7 characters are shown
        {std::string("\0\0\0\0\0\0\0\0", 8), ""},
        {std::string("v1.0", 4) + std::string(4, '\0'), "v1.0"},
    };
    for (const Row& r : rows) {
        ConfigImage image = defaultImage();
        putChars(image, 6, r.stored);
        const ConfigImage stored = image;
        SettingsModel s = changedModel();
        RecordingUi ui;
        EXPECT_FALSE(DecodeConfiguration(image, s, ui));
        EXPECT_EQ(ui.events, (std::vector<RecordingUi::Event>{
                                 {RecordingUi::Event::Information,
                                  "Uncompatible configuration version:\nDevice: " + r.shown +
                                      "\nConfigurator: v1.02\n\nYou need to use Configurator " + r.shown +
                                      " or write new configuration using \"Write config\" button."}}));
        EXPECT_TRUE(s == changedModel()) << "no setting may change";
        EXPECT_TRUE(image == stored) << "the device's image stays as it was read";
    }
}

TEST(Decode, VersionWithMoreCharactersAfterOursIsAccepted) {
    ConfigImage image = defaultImage();
    putChars(image, 6, "v1.02b7");
    SettingsModel s = changedModel();
    RecordingUi ui;
    EXPECT_TRUE(DecodeConfiguration(image, s, ui));
    EXPECT_EQ(s.text(SettingId::Callsign), "NOCALL");
}

TEST(Decode, ValuesAreShownAsStoredWithoutRangeChecks) {
    ConfigImage image = defaultImage();
    putU32(image, 24, 50);           // Txdelay below its range
    putU32(image, 28, 0xFFFFFFFF);   // Quiettime
    putU16(image, 94, 65535);        // Position_report_interval
    image[1275] = 255;               // Tele_holdoff
    image[53] = 10;                  // Squelch has 10 entries: no selection
    image[52] = 255;                 // Ptt: no selection
    putU32(image, 184, 0xFFFFFFFF);  // Digion: no selection
    image[164] = 8;                  // Mice_message above 7: no selection
    image[121] = 0;                  // symbol code: empty
    image[122] = '\\';
    SettingsModel s;
    RecordingUi ui;
    ASSERT_TRUE(DecodeConfiguration(image, s, ui));
    EXPECT_EQ(s.text(SettingId::Txdelay), "50");
    EXPECT_EQ(s.text(SettingId::Quiettime), "4294967295");
    EXPECT_EQ(s.text(SettingId::Position_report_interval), "65535");
    EXPECT_EQ(s.text(SettingId::Tele_holdoff), "255");
    EXPECT_EQ(s.index(SettingId::Squelch), -1);
    EXPECT_EQ(s.index(SettingId::Ptt), -1);
    EXPECT_EQ(s.index(SettingId::Digion), -1);
    EXPECT_EQ(s.index(SettingId::Mice_message), -1);
    EXPECT_EQ(s.text(SettingId::Position_symbol_code), "");
    EXPECT_EQ(s.text(SettingId::Position_symbol_table), "\\");
}

TEST(Decode, MiceMessageIsSevenMinusTheByte) {
    for (int stored = 0; stored <= 7; ++stored) {
        ConfigImage image = defaultImage();
        image[164] = static_cast<std::uint8_t>(stored);
        SettingsModel s;
        RecordingUi ui;
        ASSERT_TRUE(DecodeConfiguration(image, s, ui));
        EXPECT_EQ(s.index(SettingId::Mice_message), 7 - stored);
    }
}

// Damaged fields that still pass the checksum: every text stops at its width.
TEST(Decode, TextWithoutTerminatorIsReadOnlyToItsWidth) {
    ConfigImage image = defaultImage();
    std::fill_n(image.begin() + 123, 41, 'S');       // status text runs into Mice_message
    std::fill_n(image.begin() + 1144, 7, 'N');       // digital 1 name runs into its units
    std::fill_n(image.begin() + 264 + 29, 99, 'M');  // beacon 1 message runs into beacon 2
    std::fill_n(image.begin() + 59, 21, 'B');        // Bluetooth name runs into the password
    SettingsModel s;
    RecordingUi ui;
    ASSERT_TRUE(DecodeConfiguration(image, s, ui));
    EXPECT_EQ(s.text(SettingId::Position_status_text), std::string(41, 'S'));
    EXPECT_EQ(s.text(SettingId::Teledigital1_name), std::string(7, 'N'));
    EXPECT_EQ(s.text(SettingId::Teledigital1_units), "On");
    EXPECT_EQ(s.text(SettingId::Beacon1_message), std::string(99, 'M'));
    EXPECT_EQ(s.text(SettingId::Bluetooth_name), std::string(21, 'B'));
    EXPECT_EQ(s.text(SettingId::Bluetooth_password), "7351");

    // The next "Write config" refuses what does not fit.
    RecordingUi writeUi;
    ConfigImage out{};
    EXPECT_FALSE(EncodeConfiguration(s, writeUi, out, 0));
    EXPECT_EQ(writeUi.boxes(),
              std::vector<std::string>{"Position report status text - too long (max 40 characters)."});
}

TEST(Decode, PositionRulesFollowTheDecodedEncoding) {
    for (int encoding : {0, 1, 2}) {
        ConfigImage image = defaultImage();
        image[98] = static_cast<std::uint8_t>(encoding);
        SettingsModel s;
        RecordingUi ui;
        ASSERT_TRUE(DecodeConfiguration(image, s, ui));
        EXPECT_EQ(s.isEnabled(SettingId::Mice_message), encoding == 0);
        EXPECT_EQ(s.isEnabled(SettingId::Position_time), encoding != 0);
    }
}

TEST(Decode, PortRulesRunAtTheEndAndShowTheirMessages) {
    struct Row {
        int serial1, serial2, after1, after2;
        std::vector<std::string> boxes;
    };
    const std::string consoleBt =
        "Bluetooth port 1 changed to None.\rReason:\rSerial console can be selected on one port only.";
    const std::string gps =
        "RS-232 port 2 changed to GPS.\rReason:\rGPS passthrough function on Bluetooth 1 port needs a GPS "
        "connected to RS-232 port 2.";
    const Row rows[] = {
        {2, 1, 2, 0, {consoleBt}},
        {0, 3, 3, 3, {gps}},
        {2, 2, 2, 2, {}},
    };
    for (const Row& r : rows) {
        ConfigImage image = defaultImage();
        image[57] = static_cast<std::uint8_t>(r.serial1);
        image[58] = static_cast<std::uint8_t>(r.serial2);
        SettingsModel s;
        RecordingUi ui;
        ASSERT_TRUE(DecodeConfiguration(image, s, ui));
        EXPECT_EQ(s.index(SettingId::Serial1_mode), r.after1);
        EXPECT_EQ(s.index(SettingId::Serial2_mode), r.after2);
        EXPECT_EQ(ui.texts(RecordingUi::Event::Information), r.boxes);
    }
}

}  // namespace
}  // namespace zeru::test
