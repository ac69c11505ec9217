// SPDX-License-Identifier: GPL-3.0-or-later
#include "aprs/fixed_point.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace zeru::aprs {

// std::to_chars and std::from_chars of doubles ignore the locale. The C++
// library of the WebAssembly build has them for integers only; the browser
// never changes the "C" locale, so snprintf and strtod read and write the same
// text there.
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L

std::string fixedPoint(double value, int places) {
    char buffer[400];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, places).ptr;
    return std::string(buffer, end);
}

double parseFixedPoint(std::string_view digits) {
    double value = 0;
    if (!digits.empty() && digits.front() == '.') {  // ".5": from_chars wants a digit first
        const std::string padded = "0" + std::string(digits);
        std::from_chars(padded.data(), padded.data() + padded.size(), value, std::chars_format::fixed);
    } else {
        std::from_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed);
    }
    return value;
}

#else

std::string fixedPoint(double value, int places) {
    char buffer[400];
    const int length = std::snprintf(buffer, sizeof buffer, "%.*f", places, value);
    if (length < 0) return {};
    return std::string(buffer, static_cast<std::size_t>(length) < sizeof buffer
                                   ? static_cast<std::size_t>(length)
                                   : sizeof buffer - 1);
}

double parseFixedPoint(std::string_view digits) {
    const std::string text(digits);
    return std::strtod(text.c_str(), nullptr);
}

#endif

}  // namespace zeru::aprs
