// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/whole_number.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "interaction/command.h"
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

}  // namespace
}  // namespace zeru
