// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/whole_number.h"

#include "interaction/message.h"
#include "interaction/visible_text.h"

namespace zeru {
namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::optional<std::int32_t> parseWholeNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    text.remove_prefix(i);
    if (text.empty()) return std::nullopt;

    // Hexadecimal: up to 32 bits, taken as two's complement.
    std::size_t prefix = 0;
    if (text[0] == '$' || text[0] == 'x' || text[0] == 'X')
        prefix = 1;
    else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        prefix = 2;
    if (prefix > 0) {
        std::string_view digits = text.substr(prefix);
        if (digits.empty()) return std::nullopt;
        std::uint64_t value = 0;
        for (char c : digits) {
            int d = hexDigit(c);
            if (d < 0) return std::nullopt;
            value = value * 16 + static_cast<unsigned>(d);
            if (value > 0xFFFFFFFFull) return std::nullopt;
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }

    bool negative = false;
    if (text[0] == '+' || text[0] == '-') {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > 2147483648LL) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > 2147483647LL) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::string notAWholeNumberText(std::string_view text) {
    return "'" + visibleText(latin1ToUtf8(text)) + "' is not a valid integer value";
}

Result<std::int32_t> toWholeNumber(SettingId setting, std::string_view text) {
    if (auto value = parseWholeNumber(text)) return *value;
    return Failure::refused(setting, notAWholeNumberText(text));
}

}  // namespace zeru
