// SPDX-License-Identifier: GPL-3.0-or-later
#include "problems/advice.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "image/layout.h"
#include "interaction/message.h"
#include "interaction/visible_text.h"
#include "problems/problems.h"
#include "settings/whole_number.h"

namespace zeru::problems {
namespace {

using layout::Field;

// Longest telemetry channel name or unit that an APRS parameter packet carries.
constexpr std::array<std::size_t, 5> kAnalogLimits = {7, 7, 6, 6, 5};
constexpr std::array<std::size_t, 8> kDigitalLimits = {6, 5, 4, 4, 4, 3, 3, 3};

static_assert(layout::kSmartBeaconing[2].setting == SettingId::Smartbeaconing_min_turn_time);
static_assert(layout::kSmartBeaconing[3].setting == SettingId::Smartbeaconing_slow_speed);
static_assert(layout::kSmartBeaconing[5].setting == SettingId::Smartbeaconing_fast_speed);
static_assert(layout::kSmartBeaconing[6].setting == SettingId::Smartbeaconing_fast_period);

constexpr int kMaxHops = 2;
constexpr int kMinFastPeriod = 60;  // s

std::string upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string numbered(std::string_view prefix, std::size_t n, std::string_view suffix = {}) {
    return std::string(prefix) + std::to_string(n) + std::string(suffix);
}

// "WIDE2" and "TRACE3": a flooding alias whose SSID counts the hops left.
bool isCountingAlias(std::string_view name) {
    for (std::string_view family : {"WIDE", "TRACE"})
        if (name.size() == family.size() + 1 && name.starts_with(family) && name.back() >= '1' &&
            name.back() <= '7')
            return true;
    return false;
}

// Aliases that the digipeaters of today's networks no longer answer.
bool isObsolete(std::string_view name) {
    return name == "RELAY" || name == "WIDE" || name.starts_with("TRACE");
}

struct PathEntry {
    const Field& field;
    std::string label;  // "Beacon 2 path 1"
};

class AdviceList {
public:
    explicit AdviceList(const Settings& settings) : s_(settings) {}

    std::vector<Advice> take() { return std::move(out_); }
    void add(SettingId setting, std::string message) { out_.push_back({setting, std::move(message)}); }

    void smartBeaconing();
    void path(const std::vector<PathEntry>& entries, std::string_view pathLabel);
    void destination(const Field& f, std::string_view label);
    void beacons();
    void telemetry();
    void channelText(const Field& f, std::size_t limit, const std::string& label);
    void addresses();
    void channelControls();

private:
    std::optional<std::int32_t> number(const Field& f) const { return parseWholeNumber(s_.text(f.setting)); }

    const Settings& s_;
    std::vector<Advice> out_;
};

// Each obsolete entry, and the entry that takes the path past two hops.
void AdviceList::path(const std::vector<PathEntry>& entries, std::string_view pathLabel) {
    int hops = 0;
    std::optional<SettingId> pastLimit;
    for (const PathEntry& e : entries) {
        const std::string name = upper(s_.text(e.field.setting));
        if (name.empty()) continue;
        if (isObsolete(name))
            add(e.field.setting, e.label + " - " + name + " is obsolete, use WIDEn-N (ex. WIDE2-1).");
        hops += isCountingAlias(name)
                    ? std::max(0, parseWholeNumber(s_.text(e.field.ssidSetting)).value_or(0))
                    : 1;
        if (hops > kMaxHops && !pastLimit) pastLimit = e.field.setting;
    }
    if (pastLimit)
        add(*pastLimit, std::string(pathLabel) + " - asks for " + std::to_string(hops) +
                            " hops; use at most 2 (ex. WIDE1-1,WIDE2-1).");
}

void AdviceList::destination(const Field& f, std::string_view label) {
    if (!upper(s_.text(f.setting)).starts_with("AP"))
        add(f.setting, std::string(label) + " - should be a to-call starting with AP (ex. APKV07).");
}

void AdviceList::channelText(const Field& f, std::size_t limit, const std::string& label) {
    if (s_.text(f.setting).size() > limit)
        add(f.setting, label + " - longer than the " + std::to_string(limit) + " characters APRS allows.");
}

// An AX.25 address holds capital letters and digits only: anything else is
// sent as it stands and makes the packet one no station takes. Empty entries
// are unused.
void AdviceList::addresses() {
    using namespace layout;
    std::vector<const Field*> fields{&kCallsign};
    for (const Field& f : kPositionPaths) fields.push_back(&f);
    for (const auto& alias : kAliases) fields.push_back(&alias.station);
    for (const auto& beacon : kBeacons)
        for (const Field* f : {&beacon.destination, &beacon.path1, &beacon.path2}) fields.push_back(f);
    for (const Field* f : {&kWeatherDest, &kWeatherPath1, &kWeatherPath2, &kTeledataDest, &kTeledataPath1,
                           &kTeledataPath2, &kTeleparamsDest, &kTeleparamsPath1, &kTeleparamsPath2})
        fields.push_back(f);
    for (const Field* f : fields) {
        const std::string name = upper(s_.text(f->setting));
        const bool valid = std::all_of(name.begin(), name.end(), [](char c) {
            return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        });
        if (!valid)
            add(f->setting,
                "\"" + visibleText(latin1ToUtf8(s_.text(f->setting))) + "\" is not a valid AX.25 address");
    }
}

// A control character in a channel's name or unit would break the parameter
// packet it is sent in.
void AdviceList::channelControls() {
    using namespace layout;
    const auto hasControl = [&](const Field& f) {
        const std::string text = s_.text(f.setting);
        return std::any_of(text.begin(), text.end(), [](char c) {
            const auto byte = static_cast<unsigned char>(c);
            return byte < 0x20 || byte == 0x7F;
        });
    };
    const auto check = [&](const Field& f, const std::string& label) {
        if (hasControl(f)) add(f.setting, label + " - holds a control character.");
    };
    for (std::size_t i = 0; i < kAnalogChannels.size(); ++i) {
        check(kAnalogChannels[i].name, numbered("Analog channel ", i + 1, " name"));
        check(kAnalogChannels[i].units, numbered("Analog channel ", i + 1, " units"));
    }
    for (std::size_t i = 0; i < kDigitalChannels.size(); ++i) {
        check(kDigitalChannels[i].name, numbered("Digital channel ", i + 1, " name"));
        check(kDigitalChannels[i].units, numbered("Digital channel ", i + 1, " units"));
    }
}

void AdviceList::smartBeaconing() {
    const Field& turnTimeField = layout::kSmartBeaconing[2];
    const Field& slowSpeedField = layout::kSmartBeaconing[3];
    const Field& fastSpeedField = layout::kSmartBeaconing[5];
    const Field& fastPeriodField = layout::kSmartBeaconing[6];
    // Numbers that do not convert are errors already: no advice about them.
    const auto turnTime = number(turnTimeField);
    const auto slowSpeed = number(slowSpeedField);
    const auto fastSpeed = number(fastSpeedField);
    const auto fastPeriod = number(fastPeriodField);
    if (turnTime == 0)
        add(turnTimeField.setting,
            "SmartBeaconing min turn time - should not be 0: every turn would beacon.");
    if (slowSpeed == 0) add(slowSpeedField.setting, "SmartBeaconing slow speed - should not be 0.");
    if (slowSpeed.value_or(0) > 0 && fastSpeed.value_or(0) > 0 && *slowSpeed >= *fastSpeed)
        add(slowSpeedField.setting, "SmartBeaconing slow speed - should be below the fast speed.");
    if (fastSpeed == 0) add(fastSpeedField.setting, "SmartBeaconing fast speed - should not be 0.");
    if (fastPeriod && *fastPeriod < kMinFastPeriod)
        add(fastPeriodField.setting, "SmartBeaconing fast period - should be at least 60 s.");
}

void AdviceList::beacons() {
    using namespace layout;
    for (std::size_t i = 0; i < kBeacons.size(); ++i) {
        const BeaconRecord& b = kBeacons[i];
        // A beacon that is never sent, or has no message to send, is not on the air.
        if (s_.index(b.enable.setting) <= 0 || s_.text(b.message.setting).empty()) continue;
        const std::string beacon = numbered("Beacon ", i + 1);
        destination(b.destination, beacon + " destination");
        path({{b.path1, beacon + " path 1"}, {b.path2, beacon + " path 2"}}, beacon + " path");
    }
}

void AdviceList::telemetry() {
    using namespace layout;
    if (s_.index(kTeleEnable.setting) != 1) return;
    if (number(kTeledataTxrateRf).value_or(0) != 0) {
        destination(kTeledataDest, "Telemetry data destination");
        path({{kTeledataPath1, "Telemetry data path 1"}, {kTeledataPath2, "Telemetry data path 2"}},
             "Telemetry data path");
    }
    if (number(kTeleparamsTxrateRf).value_or(0) != 0) {
        destination(kTeleparamsDest, "Telemetry parameters destination");
        path({{kTeleparamsPath1, "Telemetry parameters path 1"},
              {kTeleparamsPath2, "Telemetry parameters path 2"}},
             "Telemetry parameters path");
        for (std::size_t i = 0; i < kAnalogChannels.size(); ++i) {
            channelText(kAnalogChannels[i].name, kAnalogLimits[i],
                        numbered("Analog channel ", i + 1, " name"));
            channelText(kAnalogChannels[i].units, kAnalogLimits[i],
                        numbered("Analog channel ", i + 1, " units"));
        }
        for (std::size_t i = 0; i < kDigitalChannels.size(); ++i) {
            channelText(kDigitalChannels[i].name, kDigitalLimits[i],
                        numbered("Digital channel ", i + 1, " name"));
            channelText(kDigitalChannels[i].units, kDigitalLimits[i],
                        numbered("Digital channel ", i + 1, " units"));
        }
    }
}

}  // namespace

bool sendsEmergency(const Settings& settings) {
    constexpr int kMicE = 0, kEmergency = 7;
    return settings.index(layout::kPositionReportMode.setting) > 0 &&
           settings.index(layout::kPositionReportEncoding.setting) == kMicE &&
           settings.index(layout::kMiceMessage.setting) == kEmergency;
}

std::vector<Advice> findAdvice(const Settings& settings) {
    using namespace layout;
    AdviceList advice(settings);
    const int mode = settings.index(kPositionReportMode.setting);
    constexpr int kSmartBeaconingMode = 2;
    if (mode == kSmartBeaconingMode) advice.smartBeaconing();
    if (sendsEmergency(settings))
        advice.add(kMiceMessage.setting,
                   "Mic-E message - Emergency sets off alarms at every station that hears it.");
    if (mode > 0)
        advice.path({{kPositionPaths[0], "Position report path 1"},
                     {kPositionPaths[1], "Position report path 2"},
                     {kPositionPaths[2], "Position report path 3"}},
                    "Position report path");
    advice.beacons();
    advice.telemetry();
    if (settings.index(kWeatherEnable.setting) > 0) {
        advice.destination(kWeatherDest, "Weather destination");
        advice.path({{kWeatherPath1, "Weather path 1"}, {kWeatherPath2, "Weather path 2"}}, "Weather path");
    }
    // Texts that must never go on the air as they stand, wherever they are.
    advice.addresses();
    advice.channelControls();
    return advice.take();
}

}  // namespace zeru::problems
