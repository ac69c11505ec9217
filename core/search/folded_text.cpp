// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/folded_text.h"

#include <array>
#include <cstdint>

namespace zeru::search {
namespace {

// Each Latin-1 character folded: letters to small letters without accents,
// digits kept, the rest a space.
constexpr std::array<char, 256> kFold = [] {
    std::array<char, 256> fold{};
    for (int c = 0; c < 256; ++c) fold[static_cast<std::size_t>(c)] = ' ';
    for (char c = '0'; c <= '9'; ++c) fold[static_cast<unsigned char>(c)] = c;
    for (char c = 'a'; c <= 'z'; ++c) {
        fold[static_cast<unsigned char>(c)] = c;
        fold[static_cast<unsigned char>(c - 'a' + 'A')] = c;
    }
    // 0xC0..0xFF: À..ÿ, the small letters 0x20 after their capitals.
    constexpr std::string_view kAccented = "aaaaaaaceeeeiiiidnooooo ouuuuyts";
    for (std::size_t i = 0; i < kAccented.size(); ++i) {
        fold[0xC0 + i] = kAccented[i];
        fold[0xE0 + i] = kAccented[i];
    }
    fold[0xF7] = ' ';  // ÷ (× at 0xD7 is a space already)
    fold[0xFF] = 'y';
    fold[0xDF] = 's';  // ß
    return fold;
}();

bool isLetter(char c) { return c >= 'a' && c <= 'z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

void addCamelParts(std::string_view word, std::vector<std::string>& words) {
    // Cut before a capital that follows a small letter, and before the last
    // capital of a run that a small letter follows ("KISSBaudrate").
    std::vector<std::size_t> cuts;
    for (std::size_t i = 1; i < word.size(); ++i) {
        const bool upper = word[i] >= 'A' && word[i] <= 'Z';
        const bool lowerBefore = word[i - 1] >= 'a' && word[i - 1] <= 'z';
        const bool upperBefore = word[i - 1] >= 'A' && word[i - 1] <= 'Z';
        const bool lowerAfter = i + 1 < word.size() && word[i + 1] >= 'a' && word[i + 1] <= 'z';
        if (upper && (lowerBefore || (upperBefore && lowerAfter))) cuts.push_back(i);
    }
    if (cuts.empty()) return;
    std::size_t start = 0;
    cuts.push_back(word.size());
    for (std::size_t cut : cuts) {
        words.push_back(foldLatin1(word.substr(start, cut - start)));
        start = cut;
    }
}

// Calls `take(start, end, digits)` for each run of letters, or of digits, of
// folded text.
template <typename Take>
void eachWord(std::string_view folded, Take take) {
    std::size_t i = 0;
    while (i < folded.size()) {
        const char c = folded[i];
        if (!isLetter(c) && !isDigit(c)) {
            ++i;
            continue;
        }
        const bool digits = isDigit(c);
        std::size_t end = i;
        while (end < folded.size() && (digits ? isDigit(folded[end]) : isLetter(folded[end]))) ++end;
        take(i, end, digits);
        i = end;
    }
}

}  // namespace

std::string foldLatin1(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (char c : latin1) out += kFold[static_cast<unsigned char>(c)];
    return out;
}

std::string foldUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        std::uint32_t code = lead;
        std::size_t length = 1;
        if (lead >= 0xC0 && lead < 0xE0 && i + 1 < utf8.size()) {
            code = ((lead & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
            length = 2;
        } else if (lead >= 0xE0) {
            code = 0x100;  // beyond Latin-1: a space
            length = lead >= 0xF0 ? 4 : 3;
        } else if (lead >= 0x80) {
            code = 0x100;
        }
        out += code < 0x100 ? kFold[code] : ' ';
        i += length;
    }
    return out;
}

std::vector<std::string> foldedWords(std::string_view folded) {
    std::vector<std::string> words;
    eachWord(folded, [&](std::size_t start, std::size_t end, bool) {
        words.emplace_back(folded.substr(start, end - start));
    });
    return words;
}

std::vector<std::string> wordsOf(std::string_view latin1, bool camelParts) {
    const std::string folded = foldLatin1(latin1);
    std::vector<std::string> words;
    eachWord(folded, [&](std::size_t start, std::size_t end, bool digits) {
        words.push_back(folded.substr(start, end - start));
        if (camelParts && !digits) addCamelParts(latin1.substr(start, end - start), words);
    });
    return words;
}

std::string joinedWords(std::string_view folded) {
    std::string out;
    for (const std::string& word : foldedWords(folded)) {
        if (!out.empty()) out += ' ';
        out += word;
    }
    return out;
}

}  // namespace zeru::search
