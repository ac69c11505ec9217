// SPDX-License-Identifier: GPL-3.0-or-later
// Changes not yet saved or written: taking values back from another
// configuration, and the question asked before the window closes over them.
#pragma once

#include <functional>
#include <span>
#include <string_view>

#include "compare/comparison.h"
#include "interaction/user_interface.h"
#include "settings/settings.h"

namespace zeru::changes {

inline constexpr std::string_view kSaveBeforeClosingQuestion = "Save changes to a file before closing?";
inline constexpr std::string_view kSaveBeforeReplacingQuestion =
    "Save changes to a file before they are replaced?";

// Puts the settings of `differences` back to their values in `reference`, one
// by one in their order, each as if the user had picked it: the rules that tie
// settings together settle after each (rules::settle), their messages shown.
void revertSettings(Settings& settings, const Settings& reference,
                    std::span<const compare::Difference> differences, UserInterface& ui);
// The same without the rules, as a program's write: for putting back values
// exactly as they were, settled then (the window's "Undo revert").
void revertSettings(Settings& settings, const Settings& reference,
                    std::span<const compare::Difference> differences);

// Whether the window may close. Without unsaved changes it closes at once;
// otherwise the user is asked: Save closes only when `save` succeeds (a
// cancelled or failed save keeps the window open), Discard closes, Cancel
// keeps it open.
bool mayClose(bool unsavedChanges, UserInterface& ui, const std::function<bool()>& save);

// Whether a file, a backup or the device may replace the settings: the same
// question and answers as mayClose, asked with kSaveBeforeReplacingQuestion.
bool mayReplace(bool unsavedChanges, UserInterface& ui, const std::function<bool()>& save);

}  // namespace zeru::changes
