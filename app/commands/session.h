// SPDX-License-Identifier: GPL-3.0-or-later
// The composition root of the five command buttons: what each of them runs,
// and what the window's feedback needs from the device and file flows.
#pragma once

#include <memory>

#include "app/commands/command_window.h"
#include "device/report_transport.h"
#include "interaction/user_interface.h"

namespace zeru::app {

// Attaches the commands of "Read config", "Write config", "Upload firmware",
// "Save to file" and "Read from file" to `form` and keeps what they need for
// the whole run: the device over hidapi.
std::unique_ptr<CommandSession> createSession(CommandWindow& form, UserInterface& ui);

// The same with the device behind `transport` (tests: a fake device).
std::unique_ptr<CommandSession> createSessionOver(CommandWindow& form, UserInterface& ui,
                                                  std::unique_ptr<ReportTransport> transport);

}  // namespace zeru::app
