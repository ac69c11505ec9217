// SPDX-License-Identifier: GPL-3.0-or-later
// hidapi gives texts such as serial numbers as wchar_t strings.
#pragma once

#include <string>
#include <string_view>

namespace zeru {

// UTF-8 of a wide text: UTF-32 where wchar_t has 32 bits, UTF-16 where it has
// 16. What is not a character (a lone surrogate, a value past U+10FFFF)
// becomes U+FFFD.
std::string utf8FromWide(std::wstring_view text);

}  // namespace zeru
