// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/random_settings.h"

#include <string>
#include <utility>
#include <vector>

#include "settings/catalogue.h"
#include "settings/records.h"
#include "settings/whole_number.h"

namespace zeru::test {
namespace {

struct NumberRange {
    std::string name;
    int lo, hi;
    bool zeroAllowed = false;
};

std::vector<NumberRange> numberRanges() {
    std::vector<NumberRange> r{
        {"Txdelay", 200, 1000},
        {"Quiettime", 200, 3000},
        {"Position_report_interval", 15, 3600},
        {"Position_fixlost_interval", 60, 3600},
        {"Floodtimeout", 15, 180},
        {"Teledata_txrate_rf", 5, 1440, true},
        {"Teleparams_txrate_rf", 5, 1440, true},
        {"Tele_holdoff", 0, 250},
        {"Weather_txrate", 5, 1440},
    };
    for (const char* s : {"min_turn_angle", "turn_slope", "min_turn_time", "slow_speed", "slow_period",
                          "fast_speed", "fast_period"})
        r.push_back({std::string("Smartbeaconing_") + s, 0, 65535});
    for (int n = 1; n <= 4; ++n) r.push_back({"Beacon" + std::to_string(n) + "_txrate", 5, 1440});
    return r;
}

// Every address entry: name setting, SSID setting.
std::vector<std::pair<std::string, std::string>> stationPairs() {
    std::vector<std::pair<std::string, std::string>> p{{"Callsign", "Ssid"}};
    for (int n = 1; n <= 3; ++n)
        p.push_back({"Position_path" + std::to_string(n), "Position_ssid" + std::to_string(n)});
    for (int n = 1; n <= 8; ++n)
        p.push_back({"Alias" + std::to_string(n) + "_name", "Alias" + std::to_string(n) + "_ssid"});
    for (int n = 1; n <= 4; ++n)
        for (const char* part : {"_dest", "_path1", "_path2"}) {
            const std::string b = "Beacon" + std::to_string(n) + part;
            p.push_back({b + "_string", b + "_ssid"});
        }
    for (const char* group : {"Teledata", "Teleparams", "Weather"})
        for (const char* part : {"_dest", "_path1", "_path2"}) {
            const std::string b = std::string(group) + part;
            p.push_back({b + "_string", b + "_ssid"});
        }
    return p;
}

class Generator {
public:
    Generator(std::mt19937& rng, const RandomSettingsOptions& options) : rng_(rng), options_(options) {}

    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool chance(int percent) { return between(1, 100) <= percent; }

    std::string from(std::string_view alphabet, int minLength, int maxLength) {
        std::string out;
        const int n = between(minLength, maxLength);
        for (int i = 0; i < n; ++i)
            out.push_back(alphabet[static_cast<std::size_t>(between(0, int(alphabet.size()) - 1))]);
        return out;
    }
    std::string printable(int minLength, int maxLength) {
        std::string out;
        const int n = between(minLength, maxLength);
        for (int i = 0; i < n; ++i) out.push_back(static_cast<char>(between(0x20, 0x7E)));
        return out;
    }

    // A number as text; outside canonical mode also with leading zeros or a sign.
    std::string number(int value) {
        const std::string plain = std::to_string(value);
        if (options_.canonical) return plain;
        switch (between(0, 5)) {
            case 0:
                return "0" + plain;
            case 1:
                return "+" + plain;
            case 2:
                return "00" + plain;
            default:
                return plain;
        }
    }

    std::string digits(int count) { return from("0123456789", count, count); }

    std::string coordinate(int degreeDigits, int maxDegrees, const char* hemispheres) {
        std::string degrees = std::to_string(between(0, maxDegrees));
        degrees.insert(0, static_cast<std::size_t>(degreeDigits) - degrees.size(), '0');
        std::string minutes = std::to_string(between(0, 59));
        if (minutes.size() < 2) minutes.insert(0, "0");
        return degrees + minutes + "." + digits(2) + hemispheres[between(0, 1)];
    }

    void station(Settings& s, const std::string& name, const std::string& ssid, bool required) {
        static constexpr std::string_view kUpper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        static constexpr std::string_view kMixed =
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
        std::string n = (required || chance(80)) ? from(options_.canonical ? kUpper : kMixed, 1, 6) : "";
        if (!options_.canonical && !n.empty() && n.size() < 6 && chance(20))
            n += std::string(static_cast<std::size_t>(between(1, int(6 - n.size()))), ' ');
        s.setText(settingNamed(name), n);
        if (!n.empty())
            s.setText(settingNamed(ssid), number(between(0, 15)));
        else
            s.setText(settingNamed(ssid),
                      options_.canonical ? "0"
                                         : std::vector<std::string>{
                                               "", "x", "99", "7"}[static_cast<std::size_t>(between(0, 3))]);
    }

    std::string withLineBreaks(std::string text) {
        if (options_.canonical || text.empty() || !chance(30)) return text;
        const auto at = static_cast<std::size_t>(between(0, int(text.size())));
        text.insert(at, chance(50) ? "\r\n" : "\n");
        return text;
    }

    void choice(Settings& s, const SettingDef& d) {
        if (options_.allowNoSelection && chance(5))
            s.setIndex(d.id, -1);
        else
            s.setIndex(d.id, between(0, int(d.choices.size()) - 1));
    }

private:
    std::mt19937& rng_;
    const RandomSettingsOptions& options_;
};

bool isSymbol(std::string_view name) {
    return name == "Position_symbol_code" || name == "Position_symbol_table";
}
bool isBeaconMessage(std::string_view name) {
    return name.size() == 15 && name.starts_with("Beacon") && name.ends_with("_message");
}

void keepPortsConsistent(Settings& s) {
    const int rs = s.index(SettingId::Serial1_mode), bt = s.index(SettingId::Serial2_mode);
    if ((rs == 2 && bt == 1) || (rs == 4 && bt == 2)) s.setIndex(SettingId::Serial2_mode, 0);
    if (bt == 3) s.setIndex(SettingId::Serial1_mode, 3);
}

}  // namespace

void fillRandomValidSettings(Settings& settings, std::mt19937& rng, const RandomSettingsOptions& options) {
    Generator g(rng, options);
    const Catalogue& catalogue = settingsCatalogue();
    for (const SettingDef& d : catalogue.defs()) {
        if (d.kind == SettingKind::Choice)
            g.choice(settings, d);
        else if (isSymbol(d.name))
            settings.setText(d.id, options.canonical ? g.printable(0, 1) : g.printable(0, 3));
        else if (isBeaconMessage(d.name))
            settings.setText(d.id, g.withLineBreaks(g.printable(0, 96)));
        else
            settings.setText(d.id, g.printable(0, d.maxLength));  // free texts; fixed below where checked
    }
    for (const NumberRange& r : numberRanges()) {
        const int value = (r.zeroAllowed && g.chance(20)) ? 0 : g.between(r.lo, r.hi);
        settings.setText(settingNamed(r.name), g.number(value));
    }
    for (const auto& [name, ssid] : stationPairs()) g.station(settings, name, ssid, name == "Callsign");
    settings.setText(SettingId::Latitude, g.coordinate(2, 89, "NS"));
    settings.setText(SettingId::Longitude, g.coordinate(3, 179, "EW"));
    settings.setText(SettingId::Bluetooth_name,
                     g.from("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", 1, 20));
    settings.setText(SettingId::Bluetooth_password, g.digits(4));
    keepPortsConsistent(settings);
}

void applyImageNormalisations(Settings& settings) {
    for (const NumberRange& r : numberRanges())
        settings.setText(settingNamed(r.name),
                         std::to_string(parseWholeNumber(settings.text(settingNamed(r.name))).value()));
    for (const auto& [name, ssid] : stationPairs()) {
        std::string n = settings.text(settingNamed(name));
        for (char& c : n)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        const bool empty = n.empty();
        while (!n.empty() && n.back() == ' ') n.pop_back();
        settings.setText(settingNamed(name), n);
        settings.setText(
            settingNamed(ssid),
            empty ? "0" : std::to_string(parseWholeNumber(settings.text(settingNamed(ssid))).value()));
    }
    for (int n = 1; n <= 4; ++n) {
        const SettingId name = beacon(n, SettingId::Beacon1_message);
        std::string t;
        for (char c : settings.text(name))
            if (c != '\r' && c != '\n') t.push_back(c);
        settings.setText(name, t);
    }
    for (SettingId name : {SettingId::Position_symbol_code, SettingId::Position_symbol_table})
        settings.setText(name, settings.text(name).substr(0, 1));
}

}  // namespace zeru::test
