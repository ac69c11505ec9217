// SPDX-License-Identifier: GPL-3.0-or-later
// Text-to-integer conversion as the settings use it: optional leading blanks,
// then decimal digits with an optional sign, or hexadecimal digits after "$",
// "x", "X", "0x" or "0X"; nothing may follow and the value must fit in 32 bits.
// An empty text is not a whole number.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zeru {

std::optional<std::int32_t> parseWholeNumber(std::string_view text);

// Raised where a number setting's text must convert and does not; its message is
// "'%s' is not a valid integer value" with the text (Latin-1) quoted in UTF-8.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(std::string_view text);
};

// parseWholeNumber, or ConversionError.
std::int32_t toWholeNumber(std::string_view text);

}  // namespace zeru
