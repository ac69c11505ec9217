// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/form_description.h"

#include <gtest/gtest.h>

#include <map>

namespace zeru {
namespace {

// Each setting stands on exactly one page, in one group; the catalogue says the same.
TEST(FormDescription, ShowsEverySettingOnceWhereTheCatalogueSaysItIs) {
    std::map<std::string, int> seen;
    const auto visit = [&seen](const FormPage& page) {
        for (const FormGroup& group : page.groups)
            for (const SettingDef* def : group.settings) {
                ++seen[std::string(def->name)];
                EXPECT_EQ(def->page, page.name) << def->name;
                EXPECT_EQ(def->group, group.caption) << def->name;
            }
    };
    for (const FormPage& page : describeForm().pages) {
        visit(page);
        for (const FormPage& child : page.pages) visit(child);
        if (!page.pages.empty()) {
            EXPECT_TRUE(page.groups.empty()) << page.name << " holds tabs, not fields";
        }
    }
    EXPECT_EQ(seen.size(), kSettingCount);
    for (const auto& [name, count] : seen) EXPECT_EQ(count, 1) << name;
}

// The texts stay the caller's: a definition only views them.
SettingDef textSetting(std::string_view name, std::string_view label) {
    SettingDef d;
    d.name = name;
    d.label = label;
    d.maxLength = 9;
    return d;
}

// JSON strings: Latin-1 bytes become UTF-8, and nothing a text holds breaks the syntax.
TEST(FormDescription, JsonIsUtf8AndEscaped) {
    struct Row {
        std::string text;
        std::string json;
    };
    const Row rows[] = {
        {"Callsign:", "\"Callsign:\""},
        {"say \"bursts\"", "\"say \\\"bursts\\\"\""},
        {"a\\b", "\"a\\\\b\""},
        {"line\nbreak\t", "\"line\\u000abreak\\u0009\""},
        {"\xFC\xDF\xB0", "\"\xC3\xBC\xC3\x9F\xC2\xB0\""},  // "üß°" in Latin-1 and in UTF-8
        {"", "\"\""},
    };
    for (const Row& r : rows) {
        const SettingDef def = textSetting("Comment", r.text);
        const FormDescription form{"T", "v", {{"P", "C", {}, {{"", {&def}}}}}};
        const std::string json = formDescriptionJson(form);
        EXPECT_NE(json.find("\"label\":" + r.json + ","), std::string::npos) << json;
    }
}

TEST(FormDescription, JsonShapeOfPagesGroupsAndBothKinds) {
    const std::string json = formDescriptionJson(describeForm());
    const char* parts[] = {
        ("{\"title\":\"Kestrovane Zeru "
         "Configurator\",\"version\":\"v1.02\",\"pages\":[{\"name\":\"TabSheet_radio\","
         "\"caption\":\"Radio\",\"pages\":[],\"groups\":[{\"caption\":\"\",\"settings\":[{\"name\":"
         "\"Callsign\","
         "\"kind\":\"text\",\"label\":\"Callsign:\",\"spokenName\":\"Callsign\",\"tooltip\":\"Station "
         "callsign.\","
         "\"maxLength\":6,\"default\":\"NOCALL\"},"),
        ("{\"name\":\"Ptt\",\"kind\":\"choice\",\"label\":\"PTT:\",\"spokenName\":\"PTT\",\"tooltip\":\"PTT "
         "output "
         "type.\",\"choices\":[\"separate output\",\"2k2 resistor\"],\"default\":0}"),
        ("{\"name\":\"TabSheet_digipeater\",\"caption\":\"Digipeater\",\"pages\":[{\"name\":"
         "\"TabSheet_common_settings\",\"caption\":\"Common settings\",\"pages\":[],\"groups\":["),
        "]},{\"caption\":\"SmartBeaconing:\",\"settings\":[{\"name\":\"Smartbeaconing_min_turn_angle\"",
    };
    for (const char* part : parts) EXPECT_NE(json.find(part), std::string::npos) << part;
    EXPECT_EQ(json.substr(json.size() - 5), "]}]}\n");
}

}  // namespace
}  // namespace zeru
