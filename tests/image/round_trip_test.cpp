// SPDX-License-Identifier: GPL-3.0-or-later
// Encoding any valid configuration and decoding the image gives the settings
// back, apart from the normalisations the image imposes.
#include <gtest/gtest.h>

#include "image_test_helpers.h"
#include "support/random_settings.h"

namespace zeru::test {
namespace {

void expectRoundTrip(const RandomSettingsOptions& options, std::uint32_t seed, int count) {
    std::mt19937 rng(seed);
    for (int i = 0; i < count; ++i) {
        SettingsModel original;
        fillRandomValidSettings(original, rng, options);
        const ConfigImage image = encodeOrFail(original);
        ASSERT_TRUE(VerifyImage(image));

        ConfigImage readImage = image;
        SettingsModel decoded;
        RecordingUi ui;
        ASSERT_TRUE(DecodeConfiguration(readImage, decoded, ui));
        EXPECT_EQ(ui.events, std::vector<RecordingUi::Event>{});

        SettingsModel expected;
        copySettings(original, expected);
        applyImageNormalisations(expected);
        SCOPED_TRACE("configuration " + std::to_string(i));
        expectSameSettings(expected, decoded);
        if (testing::Test::HasFailure()) return;

        // What came back encodes to the very same image.
        EXPECT_EQ(encodeOrFail(decoded), image);
    }
}

TEST(RoundTrip, CanonicalConfigurationsComeBackUnchanged) {
    RandomSettingsOptions options;
    options.canonical = true;
    std::mt19937 rng(7);
    for (int i = 0; i < 50; ++i) {
        SettingsModel original;
        fillRandomValidSettings(original, rng, options);
        ConfigImage image = encodeOrFail(original);
        SettingsModel decoded;
        RecordingUi ui;
        ASSERT_TRUE(DecodeConfiguration(image, decoded, ui));
        EXPECT_TRUE(decoded == original) << "configuration " << i;
    }
}

TEST(RoundTrip, ConfigurationsComeBackNormalised) { expectRoundTrip({}, 1, 200); }

TEST(RoundTrip, ChoicesWithoutSelectionComeBackWithout) {
    RandomSettingsOptions options;
    options.allowNoSelection = true;
    expectRoundTrip(options, 2, 100);
}

TEST(RoundTrip, TheDocumentedNormalisations) {
    SettingsModel s;
    s.setText(SettingId::Txdelay, "+0300");
    s.setText(SettingId::Callsign, "ab1");
    s.setText(SettingId::Ssid, "07");
    s.setText(SettingId::Position_path1, "wi d ");
    s.setText(SettingId::Position_path3, "");
    s.setText(SettingId::Position_ssid3, "zz");
    s.setText(SettingId::Beacon2_message, "one\r\ntwo");
    s.setText(SettingId::Position_symbol_code, "kx");
    const ConfigImage image = encodeOrFail(s);
    ConfigImage readImage = image;
    SettingsModel d;
    RecordingUi ui;
    ASSERT_TRUE(DecodeConfiguration(readImage, d, ui));
    EXPECT_EQ(d.text(SettingId::Txdelay), "300");
    EXPECT_EQ(d.text(SettingId::Callsign), "AB1");
    EXPECT_EQ(d.text(SettingId::Ssid), "7");
    EXPECT_EQ(d.text(SettingId::Position_path1), "WI D");
    EXPECT_EQ(d.text(SettingId::Position_ssid3), "0");
    EXPECT_EQ(d.text(SettingId::Beacon2_message), "onetwo");
    EXPECT_EQ(d.text(SettingId::Position_symbol_code), "k");
}

}  // namespace
}  // namespace zeru::test
