// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/terminal_text.h"

namespace zeru::cli {
namespace {

void appendHex(std::string& out, unsigned char byte) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    out += "\\x";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0xF];
}

// The length of the valid UTF-8 sequence at the start of `s` whose code point
// is no C1 control; 0 when there is none.
std::size_t printableSequence(std::string_view s) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t point = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, point = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, point = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, point = lead & 0x07;
    } else {
        return 0;
    }
    if (s.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        point = (point << 6) | (byte(i) & 0x3F);
    }
    const bool overlong = (length == 3 && point < 0x800) || (length == 4 && point < 0x10000);
    const bool invalid = point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF);
    const bool c1 = point >= 0x80 && point <= 0x9F;
    return overlong || invalid || c1 ? 0 : length;
}

}  // namespace

std::string terminalText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7F) {
            out += text[i++];
        } else if (c == '\t' || c == '\n' || c == '\r') {
            out += c == '\t' ? "\\t" : c == '\n' ? "\\n" : "\\r";
            ++i;
        } else if (const std::size_t n = c >= 0x80 ? printableSequence(text.substr(i)) : 0) {
            out.append(text.substr(i, n));
            i += n;
        } else {
            appendHex(out, c);
            ++i;
        }
    }
    return out;
}

}  // namespace zeru::cli
