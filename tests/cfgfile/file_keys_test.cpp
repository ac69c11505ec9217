// SPDX-License-Identifier: GPL-3.0-or-later
#include "cfgfile/file_keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>

#include "settings/catalogue.h"
#include "settings/whole_number.h"

namespace zeru::cfgfile {
namespace {

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

TEST(FileKeys, OneKeyForEverySettingOfTheCatalogue) {
    const auto keys = fileKeys();
    ASSERT_EQ(keys.size(), 229u);
    std::multiset<std::string> settings;
    std::set<std::pair<std::string, std::string>> names;
    int headers = 0;
    for (const FileKey& k : keys) {
        EXPECT_TRUE(std::find(kFileSections.begin(), kFileSections.end(), k.section) != kFileSections.end())
            << k.section;
        EXPECT_TRUE(names.insert({lower(k.section), lower(k.key)}).second) << k.key << " twice";
        if (k.form == KeyForm::Header) {
            EXPECT_EQ(k.section, "!WARNING");
            ++headers;
            continue;
        }
        settings.insert(std::string(settingName(k.setting)));
    }
    EXPECT_EQ(headers, 3);
    std::multiset<std::string> catalogue;
    for (const SettingDef& d : settingsCatalogue().defs()) catalogue.insert(d.name);
    EXPECT_EQ(settings, catalogue);
}

TEST(FileKeys, FormsMatchTheSettingKinds) {
    const std::set<std::string> numbers{"Txdelay",
                                        "Quiettime",
                                        "Smartbeaconing_min_turn_angle",
                                        "Smartbeaconing_turn_slope",
                                        "Smartbeaconing_min_turn_time",
                                        "Smartbeaconing_slow_speed",
                                        "Smartbeaconing_slow_period",
                                        "Smartbeaconing_fast_speed",
                                        "Smartbeaconing_fast_period",
                                        "Position_report_interval",
                                        "Position_fixlost_interval",
                                        "Floodtimeout",
                                        "Beacon1_txrate",
                                        "Beacon2_txrate",
                                        "Beacon3_txrate",
                                        "Beacon4_txrate",
                                        "Teleparams_txrate_rf",
                                        "Teledata_txrate_rf",
                                        "Tele_holdoff",
                                        "Weather_txrate"};
    std::set<std::string> seenNumbers, flags;
    for (const FileKey& k : fileKeys()) {
        if (k.form == KeyForm::Header) continue;
        SCOPED_TRACE(std::string(k.key));
        const SettingDef& d = settingsCatalogue().def(k.setting);
        const bool isText = k.form == KeyForm::Text || k.form == KeyForm::Number;
        EXPECT_EQ(d.kind == SettingKind::Text, isText);
        if (k.form == KeyForm::Number) seenNumbers.insert(std::string(settingName(k.setting)));
        if (k.form == KeyForm::Flag) flags.insert(std::string(settingName(k.setting)));
        if (!isText || k.form == KeyForm::Number) {
            // A default that is no whole number would leave a load nothing to apply.
            auto n = parseWholeNumber(k.defaultText);
            ASSERT_TRUE(n.has_value());
            if (!isText) {
                EXPECT_TRUE(*n >= 0 && *n < static_cast<int>(d.choices.size()));
            }
        }
    }
    EXPECT_EQ(seenNumbers, numbers);
    EXPECT_EQ(flags,
              (std::set<std::string>{"Alias1_enable", "Alias2_enable", "Alias3_enable", "Alias4_enable",
                                     "Alias5_enable", "Alias6_enable", "Alias7_enable", "Alias8_enable"}));
}

// The file's defaults are the start-up values, except for the telemetry
// channels, whose start-up values come from their presets.
TEST(FileKeys, DefaultsDifferFromStartUpOnlyForTheTelemetryChannels) {
    std::set<std::string> differing;
    for (const FileKey& k : fileKeys()) {
        if (k.form == KeyForm::Header) continue;
        const SettingDef& d = settingsCatalogue().def(k.setting);
        const std::string startUp =
            d.kind == SettingKind::Text ? d.defaultText : std::to_string(d.defaultIndex);
        if (startUp != k.defaultText) differing.insert(std::string(settingName(k.setting)));
    }
    std::set<std::string> expected{"Teleanalog1_source", "Teleanalog1_name", "Teleanalog1_units",
                                   "Teleanalog1_coefb"};
    for (int n = 1; n <= 8; ++n)
        for (const char* part : {"_source", "_name", "_units"})
            expected.insert("Teledigital" + std::to_string(n) + part);
    EXPECT_EQ(differing, expected);
}

}  // namespace
}  // namespace zeru::cfgfile
