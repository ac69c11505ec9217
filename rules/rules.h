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

// The rule that follows a user's choice in the drop-down list `name`, as the
// window runs it (the port rules' messages shown as information boxes). False
// when no rule follows that list.
bool userChoiceMade(Settings& settings, std::string_view name, UserInterface& ui);

// Telemetry presets: the "Default parameters" buttons, channel 1..5 (analog)
// and 1..8 (digital). A source selection outside the table changes nothing.
void applyAnalogPreset(Settings& settings, int channel);
void applyDigitalPreset(Settings& settings, int channel);

// Start-up: every setting to its default in catalogue order, with the position
// rules right after their settings, the presets after each channel block and
// the two port rules at the end.
void applyStartupSequence(Settings& settings, UserInterface& ui);

}  // namespace zeru::rules
