// SPDX-License-Identifier: GPL-3.0-or-later
#include "aprs/symbols.h"

#include <gtest/gtest.h>

#include <set>

namespace zeru::aprs {
namespace {

TEST(Symbols, EveryCodeOncePerTableWithADescription) {
    for (char table : {kPrimaryTable, kAlternateTable}) {
        std::set<char> codes;
        for (const Symbol& s : symbolTable(table)) {
            EXPECT_EQ(s.table, table);
            EXPECT_TRUE(codes.insert(s.code).second) << table << s.code << " twice";
            EXPECT_FALSE(s.description.empty()) << table << s.code;
            EXPECT_EQ(s.takesOverlay, table == kAlternateTable && s.use == SymbolUse::Assigned);
        }
        EXPECT_EQ(codes.size(), 94u) << table;
        EXPECT_EQ(*codes.begin(), '!');
        EXPECT_EQ(*codes.rbegin(), '~');
    }
    EXPECT_TRUE(symbolTable('x').empty());
}

TEST(Symbols, Descriptions) {
    struct Row {
        const char *table, *code, *text;
    };
    const Row rows[] = {
        {"/", ">", "/> Car"},
        {"/", "_", "/_ Weather station"},
        {"\\", ">", "\\> Car with overlay"},
        {"5", "#", "5# Digipeater with overlay (star) (overlay 5)"},
        {"/", "|", "/| Stream switch: not for use"},
        {"/", "~", "/~ Stream switch: not for use"},
        {"A", "\"", "A\": this symbol takes no overlay"},
        {"a", ">", "a>: the table must be /, \\ or an overlay 0-9, A-Z"},
        {"/", " ", "/ : not a symbol code"},
        {"", ">", "no symbol"},
        {"/", "", "no symbol"},
    };
    for (const Row& r : rows) EXPECT_EQ(describeSymbol(r.table, r.code), r.text);
}

}  // namespace
}  // namespace zeru::aprs
