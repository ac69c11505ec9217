// SPDX-License-Identifier: GPL-3.0-or-later
// --set SECTION.KEY=VALUE: one setting, named by its configuration file key,
// set as a user would type or pick it.
#pragma once

#include <string>

#include "interaction/user_interface.h"
#include "session/editing_session.h"
#include "settings/result.h"
#include "settings/settings.h"

namespace zeru::cli {

// Sets the setting behind file key `sectionKey` ("Radio.Callsign"; matched
// without regard to case, as a file is read). A text setting takes `value` as
// it is (a number is not converted: encoding refuses what is not a number); a
// choice takes `value` as its index. The rules that tie settings together then
// settle as after the user's pick (rules::settle), their messages told to
// `ui`. Refused (SettingsRefused, nothing set) for an unknown key, a header
// key, a choice value that is not a whole number or lies outside the list
// (naming its setting).
// Applied through the editing session as one step ("Set Radio.Callsign").
Outcome applySetOption(session::EditingSession& editing, const std::string& sectionKey,
                       const std::string& value);
// The same in a session of its own over `settings`.
Outcome applySetOption(Settings& settings, const std::string& sectionKey, const std::string& value,
                       UserInterface& ui);

}  // namespace zeru::cli
