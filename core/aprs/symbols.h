// SPDX-License-Identifier: GPL-3.0-or-later
// The APRS symbol tables: the primary table '/' and the alternate table '\',
// each with one symbol per code from '!' to '~'. In place of '\' a digit or
// capital letter selects the alternate table with that overlay character
// drawn on the symbol, where the symbol takes one.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeru::aprs {

enum class SymbolUse {
    Assigned,    // shows a symbol
    Unassigned,  // free or reserved: stations show no meaningful symbol
    NotForUse,   // the code switches streams on some TNCs: never send it
};

struct Symbol {
    char table = '/';  // '/' or '\\'
    char code = '!';
    std::string_view description;
    SymbolUse use = SymbolUse::Assigned;
    bool takesOverlay = false;  // alternate table: 0-9 or A-Z may replace '\'
};

inline constexpr char kPrimaryTable = '/';
inline constexpr char kAlternateTable = '\\';

// The 94 symbols of a table ('/' or '\\'), in code order; empty for any other.
const std::vector<Symbol>& symbolTable(char table);

// True for the overlay characters 0-9 and A-Z.
bool isOverlayCharacter(char c);

// The symbol a table character and code select: '/' and '\\' their table, an
// overlay character the alternate table when the symbol takes an overlay.
std::optional<Symbol> findSymbol(char table, char code);

// "/> Car", "5# Digipeater with overlay (overlay 5)", or what is wrong:
// "no symbol", "X> : the table must be /, \ or an overlay 0-9, A-Z".
std::string describeSymbol(std::string_view table, std::string_view code);

}  // namespace zeru::aprs
