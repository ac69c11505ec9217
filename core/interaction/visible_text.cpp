// SPDX-License-Identifier: GPL-3.0-or-later
#include "interaction/visible_text.h"

namespace zeru {
namespace {

void appendHex(std::string& out, unsigned char byte) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    out += "\\x";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0xF];
}

// Characters that are not seen but change what is seen: bidirectional
// controls, which reorder the rest of the line (a name can then pose as
// another), and zero-width characters, which hide inside a name.
bool invisibleFormat(char32_t point) {
    return (point >= 0x200B && point <= 0x200F) || (point >= 0x2028 && point <= 0x202E) ||
           (point >= 0x2060 && point <= 0x2069) || point == 0x061C || point == 0xFEFF || point == 0x00AD;
}

void appendCodePoint(std::string& out, char32_t point) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += kDigits[(point >> shift) & 0xF];
}

struct Sequence {
    std::size_t length = 0;  // 0: no valid, printable sequence
    char32_t point = 0;
};

// The valid UTF-8 sequence at the start of `s` whose code point is no C1
// control; length 0 when there is none.
Sequence printableSequence(std::string_view s) {
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
        return {};
    }
    if (s.size() < length) return {};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return {};
        point = (point << 6) | (byte(i) & 0x3F);
    }
    const bool overlong = (length == 3 && point < 0x800) || (length == 4 && point < 0x10000);
    const bool invalid = point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF);
    const bool c1 = point >= 0x80 && point <= 0x9F;
    if (overlong || invalid || c1) return {};
    return {length, point};
}

}  // namespace

std::string visibleText(std::string_view text, Backslash backslash) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\\' && backslash == Backslash::Escaped) {
            out += "\\\\";
            ++i;
        } else if (c >= 0x20 && c < 0x7F) {
            out += text[i++];
        } else if (c == '\t' || c == '\n' || c == '\r') {
            out += c == '\t' ? "\\t" : c == '\n' ? "\\n" : "\\r";
            ++i;
        } else if (const Sequence q = c >= 0x80 ? printableSequence(text.substr(i)) : Sequence{}; q.length) {
            if (invisibleFormat(q.point))
                appendCodePoint(out, q.point);
            else
                out.append(text.substr(i, q.length));
            i += q.length;
        } else {
            appendHex(out, c);
            ++i;
        }
    }
    return out;
}

}  // namespace zeru
