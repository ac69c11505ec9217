// SPDX-License-Identifier: GPL-3.0-or-later
// Every problem of a configuration, each at the setting that causes it: the
// refusals that "Write config" would show (errors, in its order, with its exact
// texts) and advice about settings that misbehave on the air (warnings, which
// never stop a write).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"

namespace zeru::problems {

enum class Severity { Error, Warning };

struct Problem {
    Severity severity = Severity::Error;
    SettingId setting{};    // the setting concerned
    std::string message;    // the refusal's exact text, or the advice (UTF-8, as every message)
    std::string_view page;  // objectName of the page that holds the setting
    bool operator==(const Problem&) const = default;
};

// Errors first, in the order "Write config" checks them (the first error's
// message is the refusal that "Write config" shows), then the choices nothing
// settled (unsettledChoices), then advice. Only errors stop a write.
std::vector<Problem> findProblems(const Settings& settings);

// Warnings about choices that no rule or check stops: each choice outside its
// list (no entry selected, which the device gets as its "no selection"
// value), in catalogue order, then a pair of port roles the port rules would
// change (at both ports, with the rule's reason). zeru-cli tells them before
// a write as well, since nothing else would.
std::vector<Problem> unsettledChoices(const Settings& settings);

// True when the position reports go out in Mic-E with the message "Emergency",
// which sets off alarms at every station that hears it: the window asks before
// "Write config" sends it.
bool sendsEmergency(const Settings& settings);
inline constexpr std::string_view kEmergencyQuestion =
    "Mic-E message \"Emergency\" is selected: every station that hears the position reports will raise an "
    "alarm.\n\nWrite this configuration to the device?";

}  // namespace zeru::problems
