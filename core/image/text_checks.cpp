// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/text_checks.h"

#include <algorithm>

namespace zeru {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// `degreeDigits` digits, '.', two digits, then one of the two hemisphere letters;
// DD(D)MMmm read as one number must not pass `maxValue`, MMmm not 5999.
bool isCoordinate(std::string_view text, std::size_t degreeDigits, long maxValue, char hemisphere1,
                  char hemisphere2) {
    const std::size_t length = degreeDigits + 2 + 1 + 2 + 1;
    if (text.size() < length) return false;
    const std::size_t dot = degreeDigits + 2;
    long value = 0;
    for (std::size_t i = 0; i < length - 1; ++i) {
        if (i == dot) {
            if (text[i] != '.') return false;
            continue;
        }
        if (!isDigit(text[i])) return false;
        value = value * 10 + (text[i] - '0');
    }
    const char h = text[length - 1];
    if (h != hemisphere1 && h != hemisphere2) return false;
    return value <= maxValue && value % 10000 <= 5999;
}

}  // namespace

bool IsLatitude(std::string_view text) { return isCoordinate(text, 2, 895999, 'N', 'S'); }

bool IsLongitude(std::string_view text) { return isCoordinate(text, 3, 1795999, 'E', 'W'); }

bool IsDigits(std::string_view text) { return std::all_of(text.begin(), text.end(), isDigit); }

bool IsLettersOrDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return isDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
}

bool IsPrintable(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b >= 0x20 && b <= 0x7E;
    });
}

bool hasLineBreak(std::string_view text) { return std::any_of(text.begin(), text.end(), isLineBreak); }

std::string withoutLineBreaks(std::string text) {
    std::erase_if(text, isLineBreak);
    return text;
}

}  // namespace zeru
