// SPDX-License-Identifier: GPL-3.0-or-later
#include "aprs/decimal_text.h"

#include <string>

#include "aprs/fixed_point.h"

namespace zeru::aprs {

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
    const double value = parseFixedPoint(text);
    return negative ? -value : value;
}

std::string formatDecimal(double value, int decimals) {
    std::string text = fixedPoint(value, decimals);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    if (text == "-0") text = "0";
    return text;
}

}  // namespace zeru::aprs
