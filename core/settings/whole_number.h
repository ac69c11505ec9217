// SPDX-License-Identifier: GPL-3.0-or-later
// Text-to-integer conversion as the settings use it: optional leading blanks,
// then decimal digits with an optional sign, or hexadecimal digits after "$",
// "x", "X", "0x" or "0X"; nothing may follow and the value must fit in 32 bits.
// An empty text is not a whole number.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/result.h"

namespace zeru {

std::optional<std::int32_t> parseWholeNumber(std::string_view text);

// The refusal of a number setting's text that does not convert: "'%s' is not
// a valid integer value" with the text (Latin-1) quoted in UTF-8 (the error
// box adds the full stop).
std::string notAWholeNumberText(std::string_view text);

// The whole number of `setting`'s text `text`, or its refusal (notAWholeNumberText).
Result<std::int32_t> toWholeNumber(SettingId setting, std::string_view text);

}  // namespace zeru
