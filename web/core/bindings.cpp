// SPDX-License-Identifier: GPL-3.0-or-later
// The module's JavaScript boundary (embind). Every call returns plain values
// or objects; a C++ exception never crosses it: the commands show their
// failures through the page's user interface, as the window does. The device
// commands wait for the page (Asyncify) and are called through ccall with
// {async: true} (core.js does that).
#include <emscripten.h>
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "aprs/coordinates.h"
#include "aprs/maidenhead.h"
#include "aprs/smart_beaconing.h"
#include "aprs/ssid_hints.h"
#include "aprs/symbols.h"
#include "aprs/telemetry_range.h"
#include "backup/backup_flows.h"
#include "backup/backup_folder.h"
#include "cfgfile/file_keys.h"
#include "changes/pending_changes.h"
#include "changes/setting_reset.h"
#include "device/upload_notice.h"
#include "interaction/command.h"
#include "rules/beacon_placeholders.h"
#include "search/setting_search.h"
#include "settings/catalogue.h"
#include "settings/form_description.h"
#include "settings/records.h"
#include "web/core/browser_session.h"
#include "web/core/latin1.h"

using emscripten::val;

namespace zeru::web {
namespace {

val text(std::string_view latin1) { return val(utf8FromLatin1(latin1)); }

val bytesOf(std::string_view bytes) {
    const val view(
        emscripten::typed_memory_view(bytes.size(), reinterpret_cast<const std::uint8_t*>(bytes.data())));
    return val::global("Uint8Array").new_(view);  // a copy the page keeps
}

std::string bytesFrom(const val& array) {
    const std::vector<std::uint8_t> bytes = emscripten::convertJSArrayToNumberVector<std::uint8_t>(array);
    return std::string(bytes.begin(), bytes.end());
}

template <typename T, typename F>
val arrayOf(const std::vector<T>& items, F&& convert) {
    val array = val::array();
    for (const T& item : items) array.call<void>("push", convert(item));
    return array;
}

std::vector<std::string> stringsFrom(const val& array) {
    std::vector<std::string> strings;
    const auto length = array["length"].as<unsigned>();
    for (unsigned i = 0; i < length; ++i) strings.push_back(latin1FromUtf8(array[i].as<std::string>()));
    return strings;
}

val differenceObject(const compare::Difference& d) {
    val o = val::object();
    o.set("setting", std::string(settingName(d.key->setting)));
    o.set("key", compare::keyName(*d.key));
    o.set("before", text(d.before));
    o.set("after", text(d.after));
    o.set("line", text(compare::differenceLine(d)));
    return o;
}

val differences(const std::vector<compare::Difference>& list) { return arrayOf(list, differenceObject); }

val problemObject(const problems::Problem& p) {
    val o = val::object();
    o.set("severity", std::string(p.severity == problems::Severity::Error ? "error" : "warning"));
    o.set("setting", std::string(settingName(p.setting)));
    o.set("message", val(p.message));  // UTF-8 already, as every message
    o.set("page", std::string(p.page));
    return o;
}

// The form as the window shows it: pages, groups and settings (settings/form_description.h).
std::string formDescription() { return formDescriptionJson(describeForm()); }

class Session {
public:
    Session() = default;

    std::uintptr_t handle() { return reinterpret_cast<std::uintptr_t>(&session_); }

    // A text setting's text, a choice setting's index; undefined for an unknown name.
    val value(const std::string& name) {
        const auto id = findSetting(name);
        return id ? valueOf(*id) : val::undefined();
    }
    // Every setting: {name: value}.
    val values() {
        val o = val::object();
        for (std::size_t i = 0; i < settingsCatalogue().size(); ++i)
            o.set(std::string(settingName(settingAt(i))), valueOf(settingAt(i)));
        return o;
    }
    bool enabled(const std::string& name) { return session_.settings().isEnabled(name); }
    // A typed text (a string), or a user's choice (an index; its form rule
    // runs). False for an unknown name or a value of the other kind.
    bool set(const std::string& name, const val& value) {
        const auto id = findSetting(name);
        if (!id) return false;
        const bool isText = settingsCatalogue().defs()[indexOf(*id)].kind == SettingKind::Text;
        if (isText && value.isString())
            session_.settings().setText(*id, latin1FromUtf8(value.as<std::string>()));
        else if (!isText && value.isNumber())
            session_.chooseEntry(name, value.as<int>());
        else
            return false;
        return true;
    }
    void defaultParameters(const std::string& kind, int channel) {
        session_.defaultParameters(kind == "analog", channel);
    }

    val problems() { return arrayOf(session_.problems(), problemObject); }
    val changes() { return differences(session_.changes()); }
    bool hasUnsavedChanges() { return session_.hasUnsavedChanges(); }
    val comparison() { return differences(session_.comparison()); }
    std::string reference() {
        switch (session_.reference()) {
            case BrowserSession::Reference::Defaults:
                return "defaults";
            case BrowserSession::Reference::File:
                return "file";
            case BrowserSession::Reference::Device:
                return "device";
            default:
                return "baseline";
        }
    }
    void compareWithBaseline() { session_.compareWithBaseline(); }
    void compareWithDefaults() { session_.compareWithDefaults(); }
    bool compareWithFile(const val& bytes, const std::string& name) {
        return session_.compareWithFile(bytesFrom(bytes), name).ok();  // a file name is UTF-8
    }
    void revert(const val& names) { session_.revert(stringsFrom(names)); }

    val saveToFile() {
        const SavedFile file = session_.saveToFile();
        val o = val::object();
        o.set("saved", file.saved);
        o.set("name", val(file.name));
        o.set("bytes", bytesOf(file.bytes));
        o.set("refusedSetting", file.refusedSetting);
        return o;
    }
    bool readFromFile(const val& bytes, const std::string& name) {
        return session_.readFromFile(bytesFrom(bytes), name).ok();
    }

    // The backups kept in the browser, newest first.
    val backups() {
        return arrayOf(session_.backups().folder().list(), [](const backup::BackupEntry& e) {
            val o = val::object();
            o.set("stamp", e.stamp);
            o.set("station", e.station);
            o.set("name", e.path.filename().string());
            o.set("hasCfg", e.path.extension() == ".cfg");
            return o;
        });
    }
    // The bytes of a backup file ("<stamp>_<station>.bin" or ".cfg"); null when there is none.
    val backupFile(const std::string& name) {
        const auto bytes = session_.backups().file(name);
        return bytes ? bytesOf(*bytes) : val::null();
    }
    bool restoreBackup(const std::string& name) { return session_.restoreBackup(name).ok(); }

    // The settings that `words` find, best first, at most `limit`:
    // [{setting, place, value, key, rank: "exact", "word start" or "elsewhere"}].
    val find(const std::string& words, unsigned limit) {
        return arrayOf(search_.find(words, session_.settings(), limit), [](const search::Hit& hit) {
            val o = val::object();
            o.set("setting", std::string(settingName(hit.setting)));
            o.set("place", hit.place);  // UTF-8 already
            o.set("value", hit.value);
            o.set("key", hit.fileKey);
            o.set("rank", std::string(hit.rank == search::Rank::Exact       ? "exact"
                                      : hit.rank == search::Rank::WordStart ? "word start"
                                                                            : "elsewhere"));
            return o;
        });
    }
    // What the field's menu offers: {toDefault, toLastRead}, each true when
    // it would change the setting; undefined for an unknown name.
    val resets(const std::string& name) {
        const auto id = findSetting(name);
        if (!id) return val::undefined();
        val o = val::object();
        o.set("toDefault", !changes::holds(session_.settings(), changes::defaultAssignment(*id)));
        o.set("toLastRead",
              session_.baselineRead() &&
                  !changes::holds(session_.settings(), changes::assignmentFrom(*id, session_.baseline())));
        return o;
    }
    // "Reset to default" and "Back to the last read" of one setting, as a
    // user's pick (its rule runs); false for an unknown name or nothing read.
    bool resetToDefault(const std::string& name) {
        const auto id = findSetting(name);
        if (!id) return false;
        changes::assign(session_.settings(), changes::defaultAssignment(*id), session_.ui());
        return true;
    }
    bool backToLastRead(const std::string& name) {
        const auto id = findSetting(name);
        if (!id || !session_.baselineRead()) return false;
        changes::assign(session_.settings(), changes::assignmentFrom(*id, session_.baseline()),
                        session_.ui());
        return true;
    }

    BrowserSession& session() { return session_; }

private:
    val valueOf(SettingId id) {
        if (settingsCatalogue().defs()[indexOf(id)].kind == SettingKind::Text)
            return text(session_.settings().text(id));
        return val(session_.settings().index(id));
    }

    BrowserSession session_;
    const search::SettingSearch search_;
};

// --- APRS helpers: what the settings do on the air ---

val smartBeaconing(const val& texts, int points) {
    std::array<std::string, 7> fields;
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i] = latin1FromUtf8(texts[static_cast<unsigned>(i)].as<std::string>());
    const auto sb = aprs::smartBeaconingFromTexts(fields);
    if (!sb) return val::null();
    const double top = aprs::chartTopSpeed(*sb);
    val curve = val::array();
    const int steps = points < 2 ? 2 : points;
    for (int i = 0; i < steps; ++i) {
        const double speed = top * i / (steps - 1);
        val p = val::object();
        p.set("speed", speed);
        p.set("interval", aprs::beaconInterval(*sb, speed));
        const auto threshold = aprs::turnThreshold(*sb, speed);
        p.set("turnThreshold", threshold ? val(*threshold) : val::null());
        curve.call<void>("push", p);
    }
    val table = val::array();
    for (const int speed : aprs::kTableSpeeds) {
        val row = val::object();
        row.set("speed", speed);
        row.set("interval", aprs::beaconInterval(*sb, speed));
        const auto threshold = aprs::turnThreshold(*sb, speed);
        row.set("turnThreshold", threshold ? val(*threshold) : val::null());
        row.set("distance", aprs::beaconDistance(*sb, speed));
        row.set("description", text(aprs::describeDistance(*sb, speed)));
        table.call<void>("push", row);
    }
    val o = val::object();
    o.set("topSpeed", top);
    o.set("curve", curve);
    o.set("table", table);
    return o;
}

std::string distanceAt(const val& texts, double speed) {
    std::array<std::string, 7> fields;
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i] = latin1FromUtf8(texts[static_cast<unsigned>(i)].as<std::string>());
    const auto sb = aprs::smartBeaconingFromTexts(fields);
    return sb ? utf8FromLatin1(aprs::describeDistance(*sb, speed)) : std::string();
}

val smartBeaconingSettings() {
    val names = val::array();
    for (const SettingId id : aprs::kSmartBeaconingSettings)
        names.call<void>("push", std::string(settingName(id)));
    return names;
}

val symbols(const std::string& table) {
    const char t = table == "\\" ? aprs::kAlternateTable : aprs::kPrimaryTable;
    return arrayOf(aprs::symbolTable(t), [](const aprs::Symbol& s) {
        val o = val::object();
        o.set("table", std::string(1, s.table));
        o.set("code", std::string(1, s.code));
        o.set("description", text(s.description));
        o.set("use", std::string(s.use == aprs::SymbolUse::Assigned     ? "assigned"
                                 : s.use == aprs::SymbolUse::Unassigned ? "unassigned"
                                                                        : "not-for-use"));
        o.set("takesOverlay", s.takesOverlay);
        return o;
    });
}

std::string describeSymbol(const std::string& table, const std::string& code) {
    return utf8FromLatin1(aprs::describeSymbol(latin1FromUtf8(table), latin1FromUtf8(code)));
}

bool isOverlayCharacter(const std::string& c) { return c.size() == 1 && aprs::isOverlayCharacter(c[0]); }

val positionObject(const aprs::Position& p) {
    val o = val::object();
    o.set("latitude", p.latitude);
    o.set("longitude", p.longitude);
    o.set("deviceLatitude", aprs::deviceLatitude(p.latitude));
    o.set("deviceLongitude", aprs::deviceLongitude(p.longitude));
    o.set("decimal", text(aprs::decimalDegrees(p)));
    o.set("locator", aprs::locatorOf(p));
    return o;
}

// A typed or pasted position (decimal degrees, minutes, seconds or a locator); null when unreadable.
val parsePosition(const std::string& typed) {
    const auto p = aprs::parsePosition(latin1FromUtf8(typed));
    return p ? positionObject(*p) : val::null();
}

// The position of the device's latitude and longitude texts; null when they are not in its form.
val devicePosition(const std::string& latitude, const std::string& longitude) {
    const auto p = aprs::fromDeviceTexts(latin1FromUtf8(latitude), latin1FromUtf8(longitude));
    return p ? positionObject(*p) : val::null();
}

std::string ssidHint(const std::string& ssid) { return utf8FromLatin1(aprs::ssidHint(latin1FromUtf8(ssid))); }

val analogRange(const std::string& a, const std::string& b, const std::string& c) {
    const auto range = aprs::analogRange(latin1FromUtf8(a), latin1FromUtf8(b), latin1FromUtf8(c));
    if (!range) return val::null();
    val o = val::object();
    o.set("low", range->low);
    o.set("high", range->high);
    o.set("lowText", range->lowText);
    o.set("highText", range->highText);
    return o;
}

// The "Special strings" card: {caption, lines: [text], details: [{text, wraps, standsApart}]}.
val specialStrings() {
    val lines = val::array();
    val details = val::array();
    for (const rules::SpecialStringLine& line : rules::specialStringLines()) {
        lines.call<void>("push", text(line.text));
        val d = val::object();
        d.set("text", text(line.text));
        d.set("wraps", line.wraps);
        d.set("standsApart", line.standsApart);
        details.call<void>("push", d);
    }
    val o = val::object();
    o.set("caption", text(rules::kSpecialStringsTitle));
    o.set("lines", lines);
    o.set("details", details);
    return o;
}

val texts() {
    val o = val::object();
    o.set("applicationTitle", std::string(kApplicationTitle));
    o.set("versionLabel", std::string(kVersionLabel));
    o.set("firmwareUploadQuestion", text(firmwareUploadQuestion()));
    o.set("emergencyQuestion", text(problems::kEmergencyQuestion));
    o.set("saveBeforeClosingQuestion", std::string(changes::kSaveBeforeClosingQuestion));
    o.set("onlyCfgLoads", std::string(backup::kOnlyCfgLoads));
    o.set("resetToDefault", std::string(changes::kResetToDefault));
    o.set("backToLastRead", std::string(changes::kBackToLastRead));
    return o;
}

// A setting's start-up value as its tooltip tells it ("Default: 250"); "" for an unknown name.
std::string defaultNote(const std::string& name) {
    const auto id = findSetting(name);
    return id ? utf8FromLatin1(changes::defaultNote(settingsCatalogue().def(*id))) : std::string();
}

// How a device command ended, as one number for the asynchronous call: bit 0
// done, bits 1-3 the outcome (0 success, 1 + the failure's kind, 6 when the
// user answered no: core.js names them), bits 4 and up the refused setting's
// index + 1 (0 for none).
int commandResult(bool done, const std::optional<Outcome>& outcome) {
    constexpr int kDeclined = 6;
    int code = done ? 1 : 0;
    if (!outcome) return code | kDeclined << 1;
    if (outcome->ok()) return code;
    const Failure& failure = outcome->failure();
    code |= (static_cast<int>(failure.kind) + 1) << 1;
    if (failure.setting) code |= (static_cast<int>(indexOf(*failure.setting)) + 1) << 4;
    return code;
}

// Every setting's name, in catalogue order: the page's ids for its fields.
val settingNames() {
    val names = val::array();
    for (std::string_view name : kSettingNames) names.call<void>("push", std::string(name));
    return names;
}

// Each record of `records` as {field: name}, the field being the name's part
// after its record number: "coefa" is Teleanalog2_coefa in channel 2.
val recordsOf(const NumberedRecord& records) {
    val list = val::array();
    for (int n = 1; n <= records.count; ++n) {
        val record = val::object();
        for (std::size_t f = 0; f < records.fields(); ++f) {
            const SettingId first = settingAt(indexOf(records.first) + f);
            const std::string_view name = settingName(first);
            const std::size_t digit = detail::digitAt(name);
            const std::string_view field = name.substr(std::min(name.size(), digit + 2));
            record.set(std::string(field), std::string(settingName(records.at(first, n))));
        }
        list.call<void>("push", record);
    }
    return list;
}

// The telemetry channels' settings, channel by channel.
val channels() {
    val o = val::object();
    o.set("analog", recordsOf(kAnalogChannelRecords));
    o.set("digital", recordsOf(kDigitalChannelRecords));
    return o;
}

std::string settingNameAt(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= kSettingCount) return {};
    return std::string(kSettingNames[static_cast<std::size_t>(index)]);
}

}  // namespace

// The asynchronous entry points: commandResult, 1 or 0 for the comparison.
extern "C" {
EMSCRIPTEN_KEEPALIVE int zeru_read_config(std::uintptr_t session) {
    const ReadOutcome read = reinterpret_cast<BrowserSession*>(session)->readConfig();
    return commandResult(read.settingsRead, read.outcome);
}
EMSCRIPTEN_KEEPALIVE int zeru_write_config(std::uintptr_t session) {
    const auto written = reinterpret_cast<BrowserSession*>(session)->writeConfig();
    return commandResult(written && written->ok(), written);
}
EMSCRIPTEN_KEEPALIVE int zeru_upload_firmware(std::uintptr_t session) {
    const auto uploaded = reinterpret_cast<BrowserSession*>(session)->uploadFirmware();
    return commandResult(uploaded && uploaded->ok(), uploaded);
}
EMSCRIPTEN_KEEPALIVE int zeru_compare_with_device(std::uintptr_t session) {
    return reinterpret_cast<BrowserSession*>(session)->compareWithDevice() ? 1 : 0;
}
}

EMSCRIPTEN_BINDINGS(zeru_core) {
    using namespace emscripten;
    function("formDescription", &formDescription);
    function("texts", &texts);
    function("defaultNote", &defaultNote);
    function("settingNameAt", &settingNameAt);
    function("settingNames", &settingNames);
    function("channels", &channels);
    function("specialStrings", &specialStrings);
    function("smartBeaconing", &smartBeaconing);
    function("smartBeaconingSettings", &smartBeaconingSettings);
    function("distanceAt", &distanceAt);
    function("symbols", &symbols);
    function("describeSymbol", &describeSymbol);
    function("isOverlayCharacter", &isOverlayCharacter);
    function("parsePosition", &parsePosition);
    function("devicePosition", &devicePosition);
    function("ssidHint", &ssidHint);
    function("analogRange", &analogRange);
    class_<Session>("Session")
        .constructor<>()
        .function("handle", &Session::handle)
        .function("value", &Session::value)
        .function("values", &Session::values)
        .function("enabled", &Session::enabled)
        .function("set", &Session::set)
        .function("defaultParameters", &Session::defaultParameters)
        .function("problems", &Session::problems)
        .function("changes", &Session::changes)
        .function("hasUnsavedChanges", &Session::hasUnsavedChanges)
        .function("comparison", &Session::comparison)
        .function("reference", &Session::reference)
        .function("compareWithBaseline", &Session::compareWithBaseline)
        .function("compareWithDefaults", &Session::compareWithDefaults)
        .function("compareWithFile", &Session::compareWithFile)
        .function("revert", &Session::revert)
        .function("saveToFile", &Session::saveToFile)
        .function("readFromFile", &Session::readFromFile)
        .function("backups", &Session::backups)
        .function("backupFile", &Session::backupFile)
        .function("restoreBackup", &Session::restoreBackup)
        .function("find", &Session::find)
        .function("resets", &Session::resets)
        .function("resetToDefault", &Session::resetToDefault)
        .function("backToLastRead", &Session::backToLastRead);
}

}  // namespace zeru::web
