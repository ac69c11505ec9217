// SPDX-License-Identifier: GPL-3.0-or-later
#include "aprs/maidenhead.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace zeru::aprs {
namespace {

// Size in degrees of each pair's steps (longitude; latitude is half) and the
// number of steps it has.
constexpr double kStep[] = {20.0, 2.0, 2.0 / 24, 2.0 / 240};
constexpr int kSteps[] = {18, 10, 24, 10};

// The index of character `c` in pair `pair`: letters A-R, digits, letters
// A-X, digits; -1 when it does not belong there.
int stepIndex(char c, int pair) {
    const bool letters = pair % 2 == 0;
    int index = -1;
    if (letters && std::isalpha(static_cast<unsigned char>(c)))
        index = std::toupper(static_cast<unsigned char>(c)) - 'A';
    else if (!letters && c >= '0' && c <= '9')
        index = c - '0';
    return index < kSteps[pair] ? index : -1;
}

char stepChar(int index, int pair) {
    if (pair % 2 == 1) return static_cast<char>('0' + index);
    return static_cast<char>((pair == 0 ? 'A' : 'a') + index);
}

}  // namespace

std::optional<Position> locatorCentre(std::string_view locator) {
    if (locator.size() != 4 && locator.size() != 6 && locator.size() != 8) return std::nullopt;
    const int pairs = static_cast<int>(locator.size() / 2);
    double longitude = -180;
    double latitude = -90;
    for (int pair = 0; pair < pairs; ++pair) {
        const std::size_t at = 2 * static_cast<std::size_t>(pair);
        const int x = stepIndex(locator[at], pair);
        const int y = stepIndex(locator[at + 1], pair);
        if (x < 0 || y < 0) return std::nullopt;
        longitude += x * kStep[pair];
        latitude += y * kStep[pair] / 2;
    }
    return Position{latitude + kStep[pairs - 1] / 4, longitude + kStep[pairs - 1] / 2};
}

std::string locatorOf(const Position& position, int pairs) {
    pairs = std::clamp(pairs, 2, 4);
    // Just inside the north pole and the antimeridian, which belong to no field.
    double longitude = std::clamp(position.longitude + 180, 0.0, 360 - 1e-9);
    double latitude = std::clamp(position.latitude + 90, 0.0, 180 - 1e-9);
    std::string locator;
    for (int pair = 0; pair < pairs; ++pair) {
        const int x = std::min(static_cast<int>(std::floor(longitude / kStep[pair])), kSteps[pair] - 1);
        const int y = std::min(static_cast<int>(std::floor(latitude / (kStep[pair] / 2))), kSteps[pair] - 1);
        locator += stepChar(x, pair);
        locator += stepChar(y, pair);
        longitude -= x * kStep[pair];
        latitude -= y * kStep[pair] / 2;
    }
    return locator;
}

}  // namespace zeru::aprs
