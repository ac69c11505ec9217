// SPDX-License-Identifier: GPL-3.0-or-later
// Form rules: plain functions over the settings that return what the user must
// be told. They run on a user's change of a choice and where the program calls
// them explicitly (start-up, file load, decoding); a program's write of a
// setting never runs them by itself.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "interaction/user_interface.h"
#include "settings/settings.h"

namespace zeru::rules {

// Labels switched together with the fields they name.
inline constexpr std::string_view kLabelMiceMessage1 = "Label_mice_message1";  // "Mic-E"
inline constexpr std::string_view kLabelMiceMessage2 = "Label_mice_message2";  // "message:"
inline constexpr std::string_view kLabelPositionTime = "Label_position_time";  // "Time:"

// Position report rules.
void positionReportModeChanged(Settings& settings);  // has no effect
void positionEncodingChanged(Settings& settings);    // enables the fields of the encoding

// Serial port role rules. Each returns the message to show (three lines joined
// by a carriage return) when it changed the other port, nothing otherwise.
std::optional<std::string> serial1ModeChanged(Settings& settings);
std::optional<std::string> serial2ModeChanged(Settings& settings);
// Runs the RS-232 port rule, then the Bluetooth port rule.
std::vector<std::string> weatherStationTypeChanged(Settings& settings);

// Runs the RS-232 port rule, then the Bluetooth port rule, showing each message
// in an information box as it comes (after a file load, decoding, start-up).
void runPortRules(Settings& settings, UserInterface& ui);

// The reasons the port rules give for a role only one port may hold.
inline constexpr std::string_view kConsoleReason = "Serial console can be selected on one port only.";
inline constexpr std::string_view kKissReason = "KISS packet output can be selected on one port only.";
inline constexpr std::string_view kPassthroughReason =
    "GPS passthrough function on Bluetooth 1 port needs a GPS connected to RS-232 port 2.";

// Settles the rules that tie settings together after `changed` took a new
// value on the user's behalf (a --set, a revert), exactly as when the user
// picks it in the window: the port rules with their messages shown as
// information boxes, the position encoding rule. Any other setting has no
// rule and nothing happens (false).
bool settle(Settings& settings, SettingId changed, UserInterface& ui);

// A pair of roles the port rules would change: both ports in a role only one
// port may hold, or GPS passthrough on Bluetooth without GPS on RS-232; at
// each port with the rule's reason, empty when the roles agree. The rules
// accept such a pair when the RS-232 port changes last (a --set, a revert),
// so this tells what nothing settled.
struct PortConflict {
    SettingId setting;
    std::string_view reason;
};
std::vector<PortConflict> portConflicts(const Settings& settings);

// The rule that follows a user's choice of `setting`, as the window runs it:
// settle for that setting. False when no rule follows that list.
bool userChoiceMade(Settings& settings, SettingId setting, UserInterface& ui);

// Telemetry presets: the "Default parameters" buttons, channel 1..5 (analog)
// and 1..8 (digital). A source selection outside the table changes nothing.
void applyAnalogPreset(Settings& settings, int channel);
void applyDigitalPreset(Settings& settings, int channel);

// Start-up: every setting to its default in catalogue order, with the position
// rules right after their settings, the presets after each channel block and
// the two port rules at the end.
void applyStartupSequence(Settings& settings, UserInterface& ui);

}  // namespace zeru::rules
