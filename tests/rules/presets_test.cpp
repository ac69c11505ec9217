// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "rules/rules.h"
#include "settings/catalogue.h"
#include "settings/settings_model.h"

namespace zeru::rules {
namespace {

struct AnalogRow {
    int source;
    const char *name, *units, *a, *b, *c;
};

TEST(Presets, EveryAnalogRowOnChannel3) {
    const AnalogRow rows[] = {
        {0, "A3", "None", "0", "0", "0"},     {1, "I1", "mA", "0", "19.5", "0"},
        {2, "I1", "mA", "0", "9.76", "0"},    {3, "I1", "mA", "0", "4.88", "0"},
        {4, "I2", "mA", "0", "19.5", "0"},    {5, "I2", "mA", "0", "9.76", "0"},
        {6, "I2", "mA", "0", "4.88", "0"},    {7, "U1", "Volt", "0", "0.1", "0"},
        {8, "U2", "Volt", "0", "0.1", "0"},   {9, "Temp", "C", "0", "0.5", "-64"},
        {10, "Temp", "C", "0", "0.5", "-64"}, {11, "Vin", "Volt", "0", "0.075", "0"},
        {12, "Temp", "C", "0", "0.5", "-64"}, {13, "Temp", "C", "0", "0.5", "-64"},
    };
    for (const AnalogRow& r : rows) {
        SettingsModel m;
        m.setIndex(SettingId::Teleanalog3_source, r.source);
        m.setIndex(SettingId::Teleanalog3_average, 1);
        SettingsModel untouched = m;
        applyAnalogPreset(m, 3);
        EXPECT_EQ(m.text(SettingId::Teleanalog3_name), r.name) << r.source;
        EXPECT_EQ(m.text(SettingId::Teleanalog3_units), r.units) << r.source;
        EXPECT_EQ(m.text(SettingId::Teleanalog3_coefa), r.a) << r.source;
        EXPECT_EQ(m.text(SettingId::Teleanalog3_coefb), r.b) << r.source;
        EXPECT_EQ(m.text(SettingId::Teleanalog3_coefc), r.c) << r.source;
        EXPECT_EQ(m.index(SettingId::Teleanalog3_average), 0) << r.source;
        EXPECT_EQ(m.index(SettingId::Teleanalog3_source), r.source) << "the source itself never changes";
        // No other channel moved.
        for (int ch : {1, 2, 4, 5})
            for (const char* f : {"_name", "_units", "_coefb"}) {
                const std::string n = "Teleanalog" + std::to_string(ch) + f;
                EXPECT_EQ(m.text(settingNamed(n)), untouched.text(settingNamed(n))) << n;
            }
    }
}

TEST(Presets, EveryDigitalRowAndTheNotUsedNamesPerChannel) {
    const std::pair<const char*, const char*> rows[] = {
        {"O1", "On"}, {"O2", "On"}, {"O3", "On"}, {"O4", "On"},
        {"I1", "Hi"}, {"I2", "Hi"}, {"I3", "Hi"}, {"I4", "Hi"},
    };
    for (int source = 1; source <= 8; ++source) {
        SettingsModel m;
        m.setIndex(SettingId::Teledigital2_source, source);
        m.setIndex(SettingId::Teledigital2_inverted, 1);
        applyDigitalPreset(m, 2);
        EXPECT_EQ(m.text(SettingId::Teledigital2_name), rows[source - 1].first);
        EXPECT_EQ(m.text(SettingId::Teledigital2_units), rows[source - 1].second);
        EXPECT_EQ(m.index(SettingId::Teledigital2_inverted), 0);
        EXPECT_EQ(m.text(SettingId::Teledigital3_name), "O3") << "another channel moved";
    }
    struct NotUsed {
        int channel;
        const char *name, *label;
    };
    for (const NotUsed& r : {NotUsed{2, "B2", "None"}, NotUsed{5, "B5", "None"}, NotUsed{6, "B6", "Non"},
                             NotUsed{7, "B7", "Non"}, NotUsed{8, "B8", "Non"}}) {
        SettingsModel m;
        const std::string c = "Teledigital" + std::to_string(r.channel);
        m.setIndex(settingNamed(c + "_source"), 0);
        applyDigitalPreset(m, r.channel);
        EXPECT_EQ(m.text(settingNamed(c + "_name")), r.name);
        EXPECT_EQ(m.text(settingNamed(c + "_units")), r.label);
        // The label always fits its channel's field.
        EXPECT_LE(static_cast<int>(m.text(settingNamed(c + "_units")).size()),
                  settingsCatalogue().def(c + "_units").maxLength);
    }
    SettingsModel m;
    m.setIndex(SettingId::Teleanalog4_source, 0);
    applyAnalogPreset(m, 4);
    EXPECT_EQ(m.text(SettingId::Teleanalog4_name), "A4");
}

TEST(Presets, NoSelectionChangesNothing) {
    SettingsModel m;
    m.setText(SettingId::Teleanalog1_name, "Mine");
    m.setIndex(SettingId::Teleanalog1_source, -1);
    m.setText(SettingId::Teledigital8_name, "X");
    m.setIndex(SettingId::Teledigital8_source, -1);
    SettingsModel before = m;
    applyAnalogPreset(m, 1);
    applyDigitalPreset(m, 8);
    EXPECT_TRUE(m == before);
}

TEST(Presets, ChoosingASourceAloneKeepsAHandEditedName) {
    SettingsModel m;
    m.setText(SettingId::Teleanalog2_name, "Mine");
    m.setIndex(SettingId::Teleanalog2_source, 7);
    EXPECT_EQ(m.text(SettingId::Teleanalog2_name), "Mine");
    applyAnalogPreset(m, 2);
    EXPECT_EQ(m.text(SettingId::Teleanalog2_name), "U1");
}

}  // namespace
}  // namespace zeru::rules
