// SPDX-License-Identifier: GPL-3.0-or-later
#include "aprs/decimal_text.h"

#include <charconv>

namespace zeru::aprs {

// std::from_chars and std::to_chars ignore the C locale, which the window sets
// from the desktop's (a decimal comma there must not change what is read).
std::optional<double> parseDecimal(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
    bool digits = false;
    bool point = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits) return std::nullopt;
    double value = 0;
    if (text.front() == '.') {  // ".5": from_chars wants a digit first
        std::string padded = "0" + std::string(text);
        std::from_chars(padded.data(), padded.data() + padded.size(), value, std::chars_format::fixed);
    } else {
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    }
    return negative ? -value : value;
}

std::string formatDecimal(double value, int decimals) {
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    if (text == "-0") text = "0";
    return text;
}

}  // namespace zeru::aprs
