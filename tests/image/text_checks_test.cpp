// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/text_checks.h"

#include <gtest/gtest.h>

namespace zeru {
namespace {

TEST(Coordinates, Latitude) {
    const std::pair<const char*, bool> rows[] = {
        {"5223.08N", true},  {"0000.00S", true},  {"8959.99N", true},  {"9000.00N", false},
        {"8960.00N", false}, {"5260.00N", false}, {"5223.08n", false}, {"5223.08W", false},
        {"5223x08N", false}, {"52a3.08N", false}, {"5223.0N", false},  {"", false},
        {"5223.08N+", true},  // only the first 8 characters count; the encoder checks the length
    };
    for (const auto& [text, ok] : rows) EXPECT_EQ(IsLatitude(text), ok) << text;
}

TEST(Coordinates, Longitude) {
    const std::pair<const char*, bool> rows[] = {
        {"01658.14E", true},  {"00000.00W", true},  {"17959.99E", true},  {"18000.00E", false},
        {"17960.00W", false}, {"01660.00E", false}, {"01658.14w", false}, {"01658.14N", false},
        {"0165.814E", false}, {"1658.14E", false},  {"-1658.14E", false},
    };
    for (const auto& [text, ok] : rows) EXPECT_EQ(IsLongitude(text), ok) << text;
}

TEST(CharacterClasses, DigitsLettersPrintable) {
    EXPECT_TRUE(IsDigits(""));
    EXPECT_TRUE(IsDigits("0123456789"));
    EXPECT_FALSE(IsDigits("12a4"));
    EXPECT_FALSE(IsDigits("-1"));
    EXPECT_TRUE(IsLettersOrDigits(""));
    EXPECT_TRUE(IsLettersOrDigits("AZaz09"));
    for (const char* bad : {"a b", "a_b", "a-b", "\xE9", "a.b"}) EXPECT_FALSE(IsLettersOrDigits(bad)) << bad;
    EXPECT_TRUE(IsPrintable(" ~Az09!<>"));
    for (const char* bad : {"\x1F", "\x7F", "\x80", "\xFF", "a\tb", "a\rb"}) EXPECT_FALSE(IsPrintable(bad));
}

TEST(CharacterClasses, LineBreaksRemoved) {
    EXPECT_EQ(withoutLineBreaks("a\r\nb\nc\rd"), "abcd");
    EXPECT_EQ(withoutLineBreaks("\r\n\r\n"), "");
    EXPECT_EQ(withoutLineBreaks("plain text"), "plain text");
}

}  // namespace
}  // namespace zeru
