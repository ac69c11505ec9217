// SPDX-License-Identifier: GPL-3.0-or-later
// Character tests of the texts that the device parses itself.
#pragma once

#include <string>
#include <string_view>

namespace zeru {

// DDMM.MMx with x = 'N' or 'S', degrees 0..89, minutes 0..59.99 (first 8 characters).
bool IsLatitude(std::string_view text);
// DDDMM.MMx with x = 'E' or 'W', degrees 0..179, minutes 0..59.99 (first 9 characters).
bool IsLongitude(std::string_view text);
// Every character 0..9 (true for an empty text).
bool IsDigits(std::string_view text);
// Every character A..Z, a..z or 0..9 (true for an empty text).
bool IsLettersOrDigits(std::string_view text);
// Every character within 0x20..0x7E (true for an empty text).
bool IsPrintable(std::string_view text);
// A carriage return or a line feed.
inline bool isLineBreak(char c) { return c == '\r' || c == '\n'; }
bool hasLineBreak(std::string_view text);
// The text without its carriage returns and line feeds.
std::string withoutLineBreaks(std::string text);

}  // namespace zeru
