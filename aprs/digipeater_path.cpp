// SPDX-License-Identifier: GPL-3.0-or-later
#include "aprs/digipeater_path.h"

#include <cctype>

namespace zeru::aprs {
namespace {

bool isSeparator(char c) { return c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::optional<PathAddress> parseAddress(std::string_view part) {
    const std::size_t dash = part.find('-');
    std::string call(part.substr(0, dash));
    std::string ssid(dash == std::string_view::npos ? std::string_view() : part.substr(dash + 1));
    if (call.empty() || call.size() > 6) return std::nullopt;
    for (char& c : call) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (!std::isupper(static_cast<unsigned char>(c)) && !std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
    }
    if (dash != std::string_view::npos) {
        if (ssid.empty() || ssid.size() > 2) return std::nullopt;
        for (char c : ssid)
            if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
        if (std::stoi(ssid) > 15) return std::nullopt;
        ssid = std::to_string(std::stoi(ssid));  // "01" is 1
    }
    return PathAddress{call, ssid};
}

std::vector<PathRow> makePathRows() {
    std::vector<PathRow> rows;
    rows.push_back({{"Position_path1", "Position_ssid1"},
                    {"Position_path2", "Position_ssid2"},
                    {"Position_path3", "Position_ssid3"}});
    std::vector<std::string> prefixes = {"Beacon1",    "Beacon2",  "Beacon3", "Beacon4",
                                         "Teleparams", "Teledata", "Weather"};
    for (const std::string& p : prefixes)
        rows.push_back({{p + "_path1_string", p + "_path1_ssid"}, {p + "_path2_string", p + "_path2_ssid"}});
    return rows;
}

}  // namespace

std::optional<std::vector<PathAddress>> parsePath(std::string_view text) {
    std::vector<PathAddress> path;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isSeparator(text[i])) ++i;
        std::size_t end = i;
        while (end < text.size() && !isSeparator(text[end])) ++end;
        if (end > i) {
            auto address = parseAddress(text.substr(i, end - i));
            if (!address) return std::nullopt;
            path.push_back(*address);
        }
        i = end;
    }
    if (path.empty()) return std::nullopt;
    return path;
}

const std::vector<PathRow>& pathRows() {
    static const std::vector<PathRow> rows = makePathRows();
    return rows;
}

}  // namespace zeru::aprs
