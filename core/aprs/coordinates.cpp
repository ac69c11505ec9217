// SPDX-License-Identifier: GPL-3.0-or-later
#include "aprs/coordinates.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

#include "aprs/decimal_text.h"
#include "aprs/fixed_point.h"
#include "aprs/maidenhead.h"

namespace zeru::aprs {
namespace {

// Degrees as "DD[D]MM.MMx": `width` digits of degrees, then minutes.
std::string deviceText(double degrees, int width, int maxDegrees, char positive, char negative) {
    const long long most = maxDegrees * 6000LL + 5999;  // hundredths of a minute
    const long long hundredths = std::min(std::llround(std::fabs(degrees) * 6000), most);
    const char hemisphere = degrees < 0 && hundredths > 0 ? negative : positive;
    // Room for any long long, so that the compiler can see nothing is cut.
    char text[64];
    std::snprintf(text, sizeof text, "%0*lld%02lld.%02lld%c", width, hundredths / 6000,
                  hundredths % 6000 / 100, hundredths % 100, hemisphere);
    return text;
}

// The device's test: `width` digits of degrees, 2 of minutes, '.', 2 digits,
// a hemisphere letter; degrees up to `maxDegrees`, minutes under 60.
std::optional<double> fromDeviceText(std::string_view text, int width, int maxDegrees, char positive,
                                     char negative) {
    if (static_cast<int>(text.size()) != width + 6 || text[static_cast<std::size_t>(width) + 2] != '.')
        return std::nullopt;
    long long degrees = 0;
    long long hundredths = 0;
    for (int i = 0; i < width + 5; ++i) {
        if (i == width + 2) continue;
        const char c = text[static_cast<std::size_t>(i)];
        if (c < '0' || c > '9') return std::nullopt;
        if (i < width)
            degrees = degrees * 10 + (c - '0');
        else
            hundredths = hundredths * 10 + (c - '0');
    }
    const char hemisphere = text.back();
    if (degrees > maxDegrees || hundredths > 5999 || (hemisphere != positive && hemisphere != negative))
        return std::nullopt;
    const double value = static_cast<double>(degrees) + static_cast<double>(hundredths) / 6000.0;
    return hemisphere == negative ? -value : value;
}

std::string fixed(double value, int places) { return fixedPoint(value, places); }

// --- the free-form parser -------------------------------------------------

struct Token {
    enum Kind { Number, Letter, Comma } kind;
    std::string text;
};

// Numbers, hemisphere letters and commas; blanks, degree, minute and second
// marks (any byte above 0x7F too, which covers their UTF-8 forms) only
// separate. nullopt on any other character.
std::optional<std::vector<Token>> tokenize(std::string_view text) {
    std::vector<Token> tokens;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[static_cast<std::size_t>(i)];
        const auto u = static_cast<unsigned char>(c);
        if ((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+') {
            std::size_t end = i + 1;
            while (end < text.size() && ((text[end] >= '0' && text[end] <= '9') || text[end] == '.')) ++end;
            tokens.push_back({Token::Number, std::string(text.substr(i, end - i))});
            i = end;
            continue;
        }
        const char upper = static_cast<char>(std::toupper(u));
        if (upper == 'N' || upper == 'S' || upper == 'E' || upper == 'W')
            tokens.push_back({Token::Letter, std::string(1, upper)});
        else if (c == ',' || c == ';')
            tokens.push_back({Token::Comma, {}});
        else if (!(c == ' ' || c == '\t' || c == '\'' || c == '"' || c == ':' || c == '/' || u > 0x7F))
            return std::nullopt;
        ++i;
    }
    return tokens;
}

struct Coordinate {
    std::vector<std::string> numbers;  // degrees [, minutes [, seconds]]
    char letter = 0;                   // N, S, E, W or 0
};

// Degrees, minutes and seconds into signed degrees: only the last part may
// have decimals, minutes and seconds stay under 60, a sign only without letter.
std::optional<double> valueOf(const Coordinate& c) {
    if (c.numbers.empty() || c.numbers.size() > 3) return std::nullopt;
    double value = 0;
    double unit = 1;
    bool negative = false;
    for (std::size_t i = 0; i < c.numbers.size(); ++i) {
        std::string_view part = c.numbers[i];
        if (i == 0 && part.front() == '-') negative = true;
        if (i > 0 && (part.front() == '-' || part.front() == '+')) return std::nullopt;
        const std::optional<double> number = parseDecimal(part);
        if (!number) return std::nullopt;
        const bool last = i + 1 == c.numbers.size();
        if (!last && part.find('.') != std::string_view::npos) return std::nullopt;
        if (i > 0 && *number >= 60) return std::nullopt;
        value += std::fabs(*number) * unit;
        unit /= 60;
    }
    if (negative && c.letter) return std::nullopt;
    if (c.letter == 'S' || c.letter == 'W') negative = true;
    return negative ? -value : value;
}

// Splits the tokens into the two coordinates: at the hemisphere letters when
// there are any (all before or all after their numbers), else at a comma, else
// into two halves of the numbers.
std::optional<std::pair<Coordinate, Coordinate>> splitCoordinates(const std::vector<Token>& tokens) {
    std::vector<Coordinate> parts;
    std::vector<std::string> numbers;
    bool letters = false;
    for (const Token& t : tokens) letters = letters || t.kind == Token::Letter;
    if (letters) {
        const bool prefix = !tokens.empty() && tokens.front().kind == Token::Letter;
        Coordinate current;
        for (const Token& t : tokens) {
            if (t.kind == Token::Number) {
                current.numbers.push_back(t.text);
            } else if (t.kind == Token::Letter) {
                if (prefix && !current.numbers.empty()) parts.push_back(std::exchange(current, {}));
                if (current.letter) return std::nullopt;
                current.letter = t.text[0];
                if (!prefix) parts.push_back(std::exchange(current, {}));
            }
        }
        if (prefix)
            parts.push_back(current);
        else if (!current.numbers.empty())
            return std::nullopt;  // numbers after the last letter
    } else {
        std::size_t commas = 0;
        for (const Token& t : tokens) commas += t.kind == Token::Comma;
        if (commas > 1) return std::nullopt;
        Coordinate current;
        for (const Token& t : tokens) {
            if (t.kind == Token::Comma)
                parts.push_back(std::exchange(current, {}));
            else
                current.numbers.push_back(t.text);
        }
        parts.push_back(current);
        if (commas == 0) {
            std::vector<std::string>& all = parts.front().numbers;
            if (all.size() % 2 != 0) return std::nullopt;
            Coordinate second;
            second.numbers.assign(all.begin() + static_cast<std::ptrdiff_t>(all.size() / 2), all.end());
            all.resize(all.size() / 2);
            parts.push_back(second);
        }
    }
    if (parts.size() != 2) return std::nullopt;
    return std::pair{parts[0], parts[1]};
}

bool isEastWest(char letter) { return letter == 'E' || letter == 'W'; }
bool isNorthSouth(char letter) { return letter == 'N' || letter == 'S'; }

std::optional<Position> parseFreeForm(std::string_view text) {
    const auto tokens = tokenize(text);
    if (!tokens) return std::nullopt;
    auto split = splitCoordinates(*tokens);
    if (!split) return std::nullopt;
    auto& [first, second] = *split;
    // Letters tell the axis: longitude first is fine when they say so.
    if (isEastWest(first.letter) && isNorthSouth(second.letter)) std::swap(first, second);
    if (isEastWest(first.letter) || isNorthSouth(second.letter)) return std::nullopt;
    const auto latitude = valueOf(first);
    const auto longitude = valueOf(second);
    if (!latitude || !longitude || std::fabs(*latitude) > 90 || std::fabs(*longitude) > 180)
        return std::nullopt;
    return Position{*latitude, *longitude};
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

}  // namespace

std::string deviceLatitude(double degrees) { return deviceText(degrees, 2, 89, 'N', 'S'); }
std::string deviceLongitude(double degrees) { return deviceText(degrees, 3, 179, 'E', 'W'); }

std::optional<Position> fromDeviceTexts(std::string_view latitude, std::string_view longitude) {
    const auto lat = fromDeviceText(latitude, 2, 89, 'N', 'S');
    const auto lon = fromDeviceText(longitude, 3, 179, 'E', 'W');
    if (!lat || !lon) return std::nullopt;
    return Position{*lat, *lon};
}

std::optional<Position> parsePosition(std::string_view text) {
    text = trimmed(text);
    if (auto centre = locatorCentre(text)) return centre;
    // The device's own pair, "5223.08N 01658.14E" or "5223.08N/01658.14E".
    if (text.size() >= 17) {
        std::string_view between = text.substr(8, text.size() - 17);
        if (between.find_first_not_of(" ,/") == std::string_view::npos)
            if (auto p = fromDeviceTexts(text.substr(0, 8), text.substr(text.size() - 9))) return p;
    }
    return parseFreeForm(text);
}

std::string decimalDegrees(const Position& position) {
    return fixed(position.latitude, 5) + ", " + fixed(position.longitude, 5);
}

}  // namespace zeru::aprs
