// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/spoken_name.h"

#include <cctype>
#include <string_view>

namespace zeru {
namespace {

// Records of settings shown as rows under column headers: name prefix, what
// the record is called, and where a column is called otherwise than usual.
struct Record {
    std::string_view prefix;
    std::string_view spoken;
    std::string_view ownSuffix = {};
    std::string_view ownColumn = {};
};
constexpr Record kRecords[] = {
    {"Beacon", "Beacon"},
    {"Alias", "Alias", "_name", ""},
    {"Teleanalog", "Analog"},
    {"Teledigital", "Digital", "_units", "label"},
    {"Teleparams", "Telemetry parameters"},
    {"Teledata", "Telemetry data"},
    {"Weather", "Weather report"},
    {"Position", "Position report"},
};

// The columns of those rows, by the rest of the setting name.
constexpr std::pair<std::string_view, std::string_view> kColumns[] = {
    {"_dest_string", "destination"},
    {"_dest_ssid", "destination SSID"},
    {"_path1_string", "path 1"},
    {"_path1_ssid", "path 1 SSID"},
    {"_path2_string", "path 2"},
    {"_path2_ssid", "path 2 SSID"},
    {"_path1", "path 1"},
    {"_path2", "path 2"},
    {"_path3", "path 3"},
    {"_ssid1", "path 1 SSID"},
    {"_ssid2", "path 2 SSID"},
    {"_ssid3", "path 3 SSID"},
    {"_txrate_rf", "RF rate [min]"},
    {"_txrate", "RF rate [min]"},
    {"_enable", "enable if"},
    {"_message", "message"},
    {"_name", "name"},
    {"_ssid", "SSID"},
    {"_traceable", "traceable"},
    {"_source", "source"},
    {"_units", "units"},
    {"_coefa", "coefficient A"},
    {"_coefb", "coefficient B"},
    {"_coefc", "coefficient C"},
    {"_average", "1 min average"},
    {"_inverted", "inverted"},
    {"_position", "send position"},
};

// Labelled settings in a run that a group frame or the page names: the
// run's first and last setting and the name said before each label.
struct Run {
    SettingId first;
    SettingId last;
    std::string_view spoken;
};
constexpr Run kRuns[] = {
    {SettingId::Smartbeaconing_min_turn_angle, SettingId::Smartbeaconing_fast_period, "SmartBeaconing"},
    {SettingId::Debug_rf, SettingId::Debug_thermo, "Console debug messages"},
    {SettingId::Orvaxe_output1, SettingId::Orvaxe_output4, "Orvaxe"},
};

// Settings whose label is drawn by the page in a form of its own.
constexpr std::pair<SettingId, std::string_view> kOwnNames[] = {
    {SettingId::Ssid, "Callsign SSID"},
    {SettingId::Mice_message, "Mic-E message"},
};

std::string withoutColon(std::string_view label) {
    if (label.ends_with(':')) label.remove_suffix(1);
    return std::string(label);
}

// "Slow Speed [km/h]" read on after a group name: "slow speed [km/h]".
// Words in capitals ("RF", "AX25") keep them.
std::string lowercaseWords(std::string text) {
    bool wordStart = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool nextIsLower = i + 1 < text.size() && std::islower(static_cast<unsigned char>(text[i + 1]));
        if (wordStart && std::isupper(c) && nextIsLower) text[i] = static_cast<char>(std::tolower(c));
        wordStart = c == ' ';
    }
    return text;
}

SpokenParts recordName(const SettingDef& def, const Record& record) {
    std::string_view rest = def.name.substr(record.prefix.size());
    std::string number;
    while (!rest.empty() && std::isdigit(static_cast<unsigned char>(rest.front()))) {
        number += rest.front();
        rest.remove_prefix(1);
    }
    std::string_view column = rest;
    if (!record.ownSuffix.empty() && rest == record.ownSuffix) {
        column = record.ownColumn;
    } else {
        for (const auto& [suffix, spoken] : kColumns)
            if (rest == suffix) column = spoken;
    }
    std::string name(record.spoken);
    if (!number.empty()) name += " " + number;
    return {name, std::string(column)};
}

}  // namespace

SpokenParts spokenNameParts(const SettingDef& def) {
    for (const auto& [id, spoken] : kOwnNames)
        if (def.id == id) return {{}, std::string(spoken)};
    if (!def.label.empty()) {
        std::string label = withoutColon(def.label);
        for (const Run& run : kRuns)
            if (indexOf(run.first) <= indexOf(def.id) && indexOf(def.id) <= indexOf(run.last))
                return {std::string(run.spoken), lowercaseWords(label)};
        return {{}, label};
    }
    for (const Record& record : kRecords)
        if (def.name.starts_with(record.prefix)) return recordName(def, record);
    return {{}, std::string(def.name)};
}

std::string spokenName(const SettingDef& def) {
    SpokenParts parts = spokenNameParts(def);
    if (parts.owner.empty()) return parts.field;
    if (parts.field.empty()) return parts.owner;
    return parts.owner + " " + parts.field;
}

}  // namespace zeru
