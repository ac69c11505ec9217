// SPDX-License-Identifier: GPL-3.0-or-later
#include "aprs/symbols.h"

#include <array>

namespace zeru::aprs {
namespace {

constexpr std::string_view kUnassigned = "(unassigned)";
constexpr std::string_view kStreamSwitch = "Stream switch: not for use";

// Descriptions from '!' to '~', one per code; kUnassigned and kStreamSwitch
// mark the codes that show no symbol.
// clang-format off
constexpr std::array<std::string_view, 94> kPrimary = {
    "Police station", kUnassigned, "Digipeater", "Telephone", "DX cluster", "HF gateway",
    "Small aircraft", "Mobile satellite station", "Wheelchair, accessible place", "Snowmobile",
    "Red Cross", "Boy Scouts", "House", "Cross (X)", "Red dot",
    "Numbered circle 0", "Numbered circle 1", "Numbered circle 2", "Numbered circle 3",
    "Numbered circle 4", "Numbered circle 5", "Numbered circle 6", "Numbered circle 7",
    "Numbered circle 8", "Numbered circle 9",
    "Fire", "Campsite, portable station", "Motorcycle", "Railway engine", "Car", "File server",
    "Hurricane forecast position",
    "Aid station", "Mailbox (BBS)", "Canoe", kUnassigned, "Eyeball: event to watch",
    "Tractor, farm vehicle", "Grid square (6 characters)", "Hotel", "TCP/IP station", kUnassigned,
    "School", "Computer user", "Macintosh APRS station", "Traffic-handling (NTS) station",
    "Balloon", "Police car", kUnassigned, "Recreational vehicle", "Space shuttle", "Slow-scan TV",
    "Bus", "Amateur TV", "Weather service site", "Helicopter", "Sailing yacht",
    "Windows APRS station",
    "Person on foot", "Direction-finding triangle", "Post office", "Large aircraft",
    "Weather station", "Satellite dish",
    "Ambulance", "Bicycle", "Incident command post", "Fire station", "Horse", "Fire engine",
    "Glider", "Hospital", "Island (IOTA)", "Jeep", "Truck", "Laptop", "Mic-E repeater", "Node",
    "Emergency operations centre", "Dog, rover", "Grid square marker", "Repeater", "Power boat",
    "Truck stop", "Lorry (18-wheeler)", "Van", "Water station", "Unix APRS station",
    "House with yagi antenna", "Shelter",
    kUnassigned, kStreamSwitch, kUnassigned, kStreamSwitch,
};

constexpr std::array<std::string_view, 94> kAlternate = {
    "Emergency", kUnassigned, "Digipeater with overlay (star)", "Bank, cash machine", "Power plant",
    "Gateway with overlay (I-gate)", "Crash or incident site", "Cloudy", "Satellite fire report",
    "Snow", "Church", "Girl Scouts", "House (HF station)", "Unknown or ambiguous position",
    "Waypoint",
    "Circle with overlay (voice links)", kUnassigned, kUnassigned, kUnassigned, kUnassigned,
    kUnassigned, kUnassigned, kUnassigned, "Network node (wireless)", "Fuel station",
    "Hail", "Park, picnic area", "Advisory flag", kUnassigned, "Car with overlay",
    "Information kiosk", "Hurricane or tropical storm",
    "Box with overlay (DTMF, RFID)", "Blowing snow", "Coast guard", "Drizzle", "Smoke",
    "Freezing rain", "Snow shower", "Haze", "Rain shower", "Lightning", "Radio with built-in APRS",
    "Lighthouse", "MARS station", "Navigation buoy", "Rocket or balloon with overlay", "Parking",
    "Earthquake", "Restaurant", "Satellite", "Thunderstorm", "Sunny", "Radio navigation beacon",
    "Weather service site with overlay", "Pharmacy", "Radios and devices", kUnassigned,
    "Wall cloud; people with overlay", kUnassigned, kUnassigned, "Aircraft with overlay",
    "Weather station with overlay", "Rain",
    "Emergency service group (diamond)", "Blowing dust or sand", "Civil defence", "DX spot",
    "Sleet", "Funnel cloud", "Gale flags", "Shop or building", "Point of interest (box)",
    "Work zone", "Special vehicle (SUV, quad)", "Area", "Milepost sign", "Triangle with overlay",
    "Small circle", "Partly cloudy", kUnassigned, "Restrooms", "Boat with overlay", "Tornado",
    "Truck with overlay", "Van with overlay", "Flooding", "Obstacle or wreck",
    "Severe weather spotter", "Shelter with overlay",
    "Fog", kStreamSwitch, kUnassigned, kStreamSwitch,
};
// clang-format on

std::vector<Symbol> buildTable(char table, const std::array<std::string_view, 94>& descriptions) {
    std::vector<Symbol> symbols;
    symbols.reserve(descriptions.size());
    for (std::size_t i = 0; i < descriptions.size(); ++i) {
        Symbol s{table, static_cast<char>('!' + i), descriptions[i], SymbolUse::Assigned, false};
        if (s.description == kUnassigned) s.use = SymbolUse::Unassigned;
        if (s.description == kStreamSwitch) s.use = SymbolUse::NotForUse;
        // Overlays are allowed on every symbol of the alternate table in use.
        s.takesOverlay = table == kAlternateTable && s.use == SymbolUse::Assigned;
        symbols.push_back(s);
    }
    return symbols;
}

}  // namespace

const std::vector<Symbol>& symbolTable(char table) {
    static const std::vector<Symbol> primary = buildTable(kPrimaryTable, kPrimary);
    static const std::vector<Symbol> alternate = buildTable(kAlternateTable, kAlternate);
    static const std::vector<Symbol> none;
    if (table == kPrimaryTable) return primary;
    if (table == kAlternateTable) return alternate;
    return none;
}

bool isOverlayCharacter(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'); }

std::optional<Symbol> findSymbol(char table, char code) {
    if (code < '!' || code > '~') return std::nullopt;
    const auto index = static_cast<std::size_t>(code - '!');
    if (table == kPrimaryTable || table == kAlternateTable) return symbolTable(table)[index];
    if (!isOverlayCharacter(table)) return std::nullopt;
    const Symbol& s = symbolTable(kAlternateTable)[index];
    if (!s.takesOverlay) return std::nullopt;
    return s;
}

std::string describeSymbol(std::string_view table, std::string_view code) {
    if (table.empty() || code.empty()) return "no symbol";
    const std::string pair = std::string(1, table[0]) + code[0];
    if (table[0] != kPrimaryTable && table[0] != kAlternateTable && !isOverlayCharacter(table[0]))
        return pair + ": the table must be /, \\ or an overlay 0-9, A-Z";
    if (code[0] < '!' || code[0] > '~') return pair + ": not a symbol code";
    const std::optional<Symbol> s = findSymbol(table[0], code[0]);
    if (!s) return pair + ": this symbol takes no overlay";
    std::string text = pair + " " + std::string(s->description);
    if (isOverlayCharacter(table[0])) text += std::string(" (overlay ") + table[0] + ")";
    return text;
}

}  // namespace zeru::aprs
