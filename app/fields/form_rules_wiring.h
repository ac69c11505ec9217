// SPDX-License-Identifier: GPL-3.0-or-later
// Connects the form rules to the controls the user works: the port role lists,
// the position report lists and the thirteen "Default parameters" buttons.
// Choices are followed on `activated` only, which a user's pick emits and a
// program's write does not, so loading, decoding and start-up run no rule by
// themselves.
#pragma once

#include "app/widgets/page_buttons.h"
#include "interaction/user_interface.h"

namespace zeru::app {

class WidgetSettings;

// `settings` and `ui` must outlive the window's controls. Throws
// std::logic_error when a button is missing.
void connectFormRules(const PageButtons& buttons, WidgetSettings& settings, UserInterface& ui);

}  // namespace zeru::app
