// SPDX-License-Identifier: GPL-3.0-or-later
#include "interaction/visible_text.h"

#include <gtest/gtest.h>

namespace zeru {
namespace {

TEST(VisibleText, ControlCharactersAreEscapedPrintableTextKept) {
    struct Row {
        std::string in;
        std::string out;
        std::string line = "";  // visibleLine's, when it differs
    };
    const Row rows[] = {
        {"Zeru-1 rev. A ~!", "Zeru-1 rev. A ~!"},
        {"a\tb\nc\rd", "a\\tb\\nc\\rd"},
        {std::string("\x1b[2J\x7f\0z", 7), "\\x1B[2J\\x7F\\x00z"},
        {"back\\slash \\x1B", "back\\\\slash \\\\x1B", "back\\slash \\x1B"},  // typed, not an ESC
        {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x93\xA1", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x93\xA1"},  // UTF-8
        {"\xC2\x9B"
         "1m",
         "\\xC2\\x9B1m"},                                            // C1 control CSI, UTF-8 encoded
        {"caf\xE9 \x9B", "caf\\xE9 \\x9B"},                          // Latin-1 bytes, a lone C1 byte
        {"\xC3", "\\xC3"},                                           // sequence cut short
        {"\xE0\x80\x80", "\\xE0\\x80\\x80"},                         // overlong
        {"\xED\xA0\x80", "\\xED\\xA0\\x80"},                         // surrogate
        {"cfg.\xE2\x80\xAEnib", "cfg.\\u202Enib"},                   // right-to-left override
        {"OK1\xE2\x80\x8BZRU\xEF\xBB\xBF", "OK1\\u200BZRU\\uFEFF"},  // zero width
        {"\xE2\x81\xA6x\xE2\x81\xA9", "\\u2066x\\u2069"},            // isolates
    };
    for (const Row& r : rows) {
        EXPECT_EQ(visibleText(r.in), r.out) << r.in;
        EXPECT_EQ(visibleLine(r.in), r.line.empty() ? r.out : r.line) << r.in;
    }
}

}  // namespace
}  // namespace zeru
