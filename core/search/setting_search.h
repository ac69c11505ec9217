// SPDX-License-Identifier: GPL-3.0-or-later
// Finding settings by what a user remembers of them: the words of a label,
// a spoken name, a file key, a tooltip, a choice or the value a setting
// holds now. Letter case, accents and word order do not matter ("beacon 2
// path", "KISS", "baud"); every word typed must be found. The window, the page
// and `zeru-cli find` show the same hits in the same order.
#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "settings/catalogue.h"
#include "settings/settings.h"

namespace zeru::search {

// How well a setting answers the words, best first.
enum class Rank {
    Exact,      // the words are its label, spoken name or file key
    WordStart,  // every word begins a word of its label, spoken name or file key
    Elsewhere,  // some word is found only in its place, tooltip, choices or value
};

struct Hit {
    SettingId setting{};
    Rank rank = Rank::Elsewhere;
    std::string place;    // "Beacons › Beacon 2 › Path 1", UTF-8
    std::string value;    // the value as a user reads it (a choice by its entry), UTF-8
    std::string fileKey;  // "Beacons.Beacon2_path1_string"
};

// The catalogue's texts folded once, so that a search per keystroke only
// compares words.
class SettingSearch {
public:
    explicit SettingSearch(const Catalogue& catalogue = settingsCatalogue());

    // The settings that hold every word of `words` (UTF-8), best first: by
    // rank, then by how closely the words meet names, then by the words
    // typed together that stand together in a name, then the shorter name,
    // then the order of the form. A word typed is found at the start of a
    // word of the setting's. No words, no hits.
    std::vector<Hit> find(std::string_view words, const Settings& values,
                          std::size_t limit = std::numeric_limits<std::size_t>::max()) const;

private:
    struct Entry {
        const SettingDef* def = nullptr;
        std::string fileKey;
        std::string place;
        std::vector<std::string> exactNames;   // joined words of label, spoken name, key
        std::vector<std::string> nameWords;    // words of label, spoken name, key
        std::vector<std::string> placeWords;   // words of the pages, group and section
        std::vector<std::string> elsewhere;    // words of its tooltip and choices
        std::vector<std::string> spokenWords;  // its spoken name's words and the setting name's,
        std::vector<std::string> keyWords;     // in order, for words typed together
        std::size_t formOrder = 0;
    };
    std::vector<Entry> entries_;
};

// The value of a setting as a user reads it, in Latin-1: a choice by its
// entry text ("" when nothing is selected), a text as it stands.
std::string readableValue(const SettingDef& def, const Settings& values);

}  // namespace zeru::search
