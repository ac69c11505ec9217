// SPDX-License-Identifier: GPL-3.0-or-later
// The composition root of the five command buttons: what each of them runs.
#pragma once

#include <memory>

#include "app/startup.h"

namespace zeru::app {

// Attaches the commands of "Read config", "Write config", "Upload firmware",
// "Save to file" and "Read from file" to `form` and keeps what they need for
// the whole run.
std::unique_ptr<CommandSession> createSession(TForm1& form, UserInterface& ui);

}  // namespace zeru::app
