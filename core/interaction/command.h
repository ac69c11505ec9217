// SPDX-License-Identifier: GPL-3.0-or-later
// Runs one user command. A failure that escapes it (an exception) is shown in
// the application's standard error box, which ends its text with a full stop,
// and the program goes on.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "interaction/user_interface.h"

namespace zeru {

// The text of the standard error box for a failure message (UTF-8, as every
// exception's text of the program).
std::string errorBoxText(std::string_view message);

// Runs `command`; returns false when it ended by an exception (already shown).
bool runCommand(UserInterface& ui, const std::function<void()>& command);

}  // namespace zeru
