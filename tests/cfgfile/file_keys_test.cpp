// SPDX-License-Identifier: GPL-3.0-or-later
#include "cfgfile/file_keys.h"

#include <gtest/gtest.h>

#include <set>

#include "settings/catalogue.h"
#include "settings/whole_number.h"

namespace zeru::cfgfile {
namespace {

// The compiler proves the rest of the table (file_keys.cpp): one key per
// setting, forms agreeing with how the image holds each setting, whole-number
// defaults. The catalogue is built at run time: its kinds and lists are checked here.
TEST(FileKeys, FormsMatchTheCatalogueKindsAndOnlyAliasEnablesAreFlags) {
    std::set<std::string> flags;
    for (const FileKey& k : fileKeys()) {
        if (k.form == KeyForm::Header) continue;
        SCOPED_TRACE(std::string(k.key));
        const bool isText = k.form == KeyForm::Text || k.form == KeyForm::Number;
        EXPECT_EQ(settingsCatalogue().def(k.setting).kind == SettingKind::Text, isText);
        if (k.form == KeyForm::Flag) flags.insert(std::string(settingName(k.setting)));
        if (!isText) {
            const auto n = parseWholeNumber(k.defaultText);
            ASSERT_TRUE(n.has_value());
            EXPECT_LT(*n, static_cast<int>(settingsCatalogue().def(k.setting).choices.size()));
        }
    }
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
