// SPDX-License-Identifier: GPL-3.0-or-later
#include "interaction/message.h"

namespace zeru {

std::string latin1ToUtf8(std::string_view latin1) {
    std::string utf8;
    utf8.reserve(latin1.size());
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

std::string utf8ToLatin1(std::string_view utf8) {
    std::string latin1;
    latin1.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (i + length > utf8.size()) length = utf8.size() - i;
        if (length == 1) {
            latin1 += lead < 0x80 ? static_cast<char>(lead) : '?';
        } else if (length == 2 && (lead & 0xE0) == 0xC0) {
            const unsigned code = ((lead & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
            latin1 += code <= 0xFF ? static_cast<char>(code) : '?';
        } else {
            latin1 += '?';
        }
        i += length;
    }
    return latin1;
}

}  // namespace zeru
