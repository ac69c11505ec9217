// SPDX-License-Identifier: GPL-3.0-or-later
// Texts made comparable for a search: lower case, accents dropped ("é" and
// "É" both "e"), cut into words. A word is a run of letters or a run of
// digits, so "Beacon2_path1" and "beacon 2 path 1" give the same words.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zeru::search {

// A Latin-1 text (a setting's, the catalogue's) folded: letters lower case
// without accents, digits as they are, anything else a space.
std::string foldLatin1(std::string_view latin1);

// The same for a UTF-8 text (what a user types); a character outside
// Latin-1 becomes a space.
std::string foldUtf8(std::string_view utf8);

// The words of a Latin-1 text, folded. With `camelParts`, a word written in
// capitals and small letters ("KISSBaudrate", "MinTurnAngle") also gives its
// parts ("kiss", "baudrate"), after the whole word.
std::vector<std::string> wordsOf(std::string_view latin1, bool camelParts = false);

// The words of a folded text.
std::vector<std::string> foldedWords(std::string_view folded);

// The words of a folded text joined by single spaces: two texts that say the
// same words compare equal ("Quiet time [ms]:" and "quiet time ms").
std::string joinedWords(std::string_view folded);

}  // namespace zeru::search
