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
    using enum SettingId;
    return {
        {{Position_path1, Position_ssid1},
         {Position_path2, Position_ssid2},
         {Position_path3, Position_ssid3}},
        {{Beacon1_path1_string, Beacon1_path1_ssid}, {Beacon1_path2_string, Beacon1_path2_ssid}},
        {{Beacon2_path1_string, Beacon2_path1_ssid}, {Beacon2_path2_string, Beacon2_path2_ssid}},
        {{Beacon3_path1_string, Beacon3_path1_ssid}, {Beacon3_path2_string, Beacon3_path2_ssid}},
        {{Beacon4_path1_string, Beacon4_path1_ssid}, {Beacon4_path2_string, Beacon4_path2_ssid}},
        {{Teleparams_path1_string, Teleparams_path1_ssid}, {Teleparams_path2_string, Teleparams_path2_ssid}},
        {{Teledata_path1_string, Teledata_path1_ssid}, {Teledata_path2_string, Teledata_path2_ssid}},
        {{Weather_path1_string, Weather_path1_ssid}, {Weather_path2_string, Weather_path2_ssid}},
    };
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
