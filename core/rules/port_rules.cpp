// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/rules.h"

namespace zeru::rules {
namespace {

// Indices of the roles in the two port lists; the same role has another index
// in each list.
namespace rs232 {
constexpr int kNone = 0, kConsole = 2, kGps = 3, kKiss = 4;
}
namespace bluetooth {
constexpr int kNone = 0, kConsole = 1, kKiss = 2, kGpsPassthrough = 3;
}

std::string joinLines(std::string_view first, std::string_view reason) {
    return std::string(first) + "\rReason:\r" + std::string(reason);
}

}  // namespace

std::optional<std::string> serial1ModeChanged(Settings& settings) {
    const int rs = settings.index(SettingId::Serial1_mode);
    const int bt = settings.index(SettingId::Serial2_mode);
    if (rs == rs232::kConsole && bt == bluetooth::kConsole) {
        settings.setIndex(SettingId::Serial2_mode, bluetooth::kNone);
        return joinLines("Bluetooth port 1 changed to None.", kConsoleReason);
    }
    if (rs == rs232::kKiss && bt == bluetooth::kKiss) {
        settings.setIndex(SettingId::Serial2_mode, bluetooth::kNone);
        return joinLines("Bluetooth port 1 changed to None.", kKissReason);
    }
    return std::nullopt;
}

std::optional<std::string> serial2ModeChanged(Settings& settings) {
    const int bt = settings.index(SettingId::Serial2_mode);
    const int rs = settings.index(SettingId::Serial1_mode);
    if (bt == bluetooth::kConsole && rs == rs232::kConsole) {
        settings.setIndex(SettingId::Serial1_mode, rs232::kNone);
        return joinLines("RS-232 port 2 changed to None.", kConsoleReason);
    }
    if (bt == bluetooth::kKiss && rs == rs232::kKiss) {
        settings.setIndex(SettingId::Serial1_mode, rs232::kNone);
        return joinLines("RS-232 port 2 changed to None.", kKissReason);
    }
    if (bt == bluetooth::kGpsPassthrough && rs != rs232::kGps) {
        settings.setIndex(SettingId::Serial1_mode, rs232::kGps);
        return joinLines("RS-232 port 2 changed to GPS.", kPassthroughReason);
    }
    return std::nullopt;
}

std::vector<std::string> weatherStationTypeChanged(Settings& settings) {
    std::vector<std::string> messages;
    if (auto m = serial1ModeChanged(settings)) messages.push_back(*m);
    if (auto m = serial2ModeChanged(settings)) messages.push_back(*m);
    return messages;
}

std::vector<PortConflict> portConflicts(const Settings& settings) {
    const int rs = settings.index(SettingId::Serial1_mode);
    const int bt = settings.index(SettingId::Serial2_mode);
    if (rs == rs232::kConsole && bt == bluetooth::kConsole)
        return {{SettingId::Serial1_mode, kConsoleReason}, {SettingId::Serial2_mode, kConsoleReason}};
    if (rs == rs232::kKiss && bt == bluetooth::kKiss)
        return {{SettingId::Serial1_mode, kKissReason}, {SettingId::Serial2_mode, kKissReason}};
    if (bt == bluetooth::kGpsPassthrough && rs != rs232::kGps)
        return {{SettingId::Serial1_mode, kPassthroughReason}, {SettingId::Serial2_mode, kPassthroughReason}};
    return {};
}

void runPortRules(Settings& settings, UserInterface& ui) {
    // Each message is shown before the next rule runs, as after a user's change.
    if (auto m = serial1ModeChanged(settings)) ui.information(Message::fromUtf8(*m));
    if (auto m = serial2ModeChanged(settings)) ui.information(Message::fromUtf8(*m));
}

}  // namespace zeru::rules
