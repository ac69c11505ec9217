// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/whole_number.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "interaction/command.h"
#include "settings/setting_id.h"
#include "settings/settings_model.h"
#include "support/recording_ui.h"

namespace zeru {
namespace {

TEST(WholeNumber, Accepted) {
    const std::pair<const char*, std::int32_t> rows[] = {
        {"0", 0},
        {"60", 60},
        {"060", 60},
        {"+5", 5},
        {"-1", -1},
        {"  42", 42},
        {"\t7", 7},
        {"$1F", 31},
        {"0x1F", 31},
        {"0X1f", 31},
        {"x10", 16},
        {"X10", 16},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"$FFFFFFFF", -1},
        {"0x80000000", -2147483647 - 1},
    };
    for (const auto& [text, value] : rows) {
        auto parsed = parseWholeNumber(text);
        ASSERT_TRUE(parsed.has_value()) << text;
        EXPECT_EQ(*parsed, value) << text;
    }
}

TEST(WholeNumber, Refused) {
    for (const char* text : {"", " ", "12a", "1 ", "+", "-", "$", "0x", "2147483648", "-2147483649",
                             "$100000000", "1.5", "--1", "+$1", "0x1G", "１"}) {
        EXPECT_FALSE(parseWholeNumber(text).has_value()) << text;
    }
}

TEST(WholeNumber, RefusalNamesTheSettingAndTheText) {
    const auto refused = toWholeNumber(SettingId::Txdelay, "12a");
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.failure().kind, FailureKind::SettingsRefused);
    EXPECT_EQ(refused.failure().setting, SettingId::Txdelay);
    EXPECT_EQ(refused.failure().text, "'12a' is not a valid integer value");
    EXPECT_EQ(toWholeNumber(SettingId::Txdelay, " $1F").value(), 31);
}

TEST(Command, EscapedFailureShowsTheStandardErrorBoxAndGoesOn) {
    test::RecordingUi ui;
    EXPECT_FALSE(runCommand(ui, [] { throw std::runtime_error("Unable to write to x"); }));
    EXPECT_FALSE(runCommand(ui, [] { throw 42; }));
    EXPECT_TRUE(runCommand(ui, [] {}));
    EXPECT_EQ(ui.texts(test::RecordingUi::Event::Error),
              (std::vector<std::string>{"Unable to write to x.", ""}));
}

// A fault thrown deep in the core ends in the error box and the next command
// runs on the same settings. In WebAssembly the core is compiled without
// catching, so the throw passes through its frames to runCommand's catch.
TEST(Command, FaultInsideTheCoreShowsTheErrorBoxAndTheNextCommandRuns) {
    const struct {
        const char* fault;
        std::function<void(SettingsModel&)> command;
        std::string box;
    } rows[] = {
        {"a setting read as another kind", [](SettingsModel& m) { (void)m.text(SettingId::Ptt); },
         "setting Ptt is not of the kind asked for."},
        {"a name of no setting", [](SettingsModel&) { (void)settingNamed("Nonesuch"); },
         "unknown setting Nonesuch."},
    };
    for (const auto& row : rows) {
        test::RecordingUi ui;
        SettingsModel model;
        EXPECT_FALSE(runCommand(ui, [&] { row.command(model); })) << row.fault;
        EXPECT_TRUE(runCommand(ui, [&] { model.setText(SettingId::Callsign, "OK1ZRU"); })) << row.fault;
        EXPECT_EQ(model.text(SettingId::Callsign), "OK1ZRU") << row.fault;
        EXPECT_EQ(ui.texts(test::RecordingUi::Event::Error), std::vector<std::string>{row.box}) << row.fault;
    }
}

}  // namespace
}  // namespace zeru
