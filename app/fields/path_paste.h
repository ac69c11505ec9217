// SPDX-License-Identifier: GPL-3.0-or-later
// A whole digipeater path pasted into a path field ("WIDE1-1,WIDE2-2", with
// or without spaces) fills the call and SSID fields of its row, as a pasted
// position fills both coordinates; one address fills the field's call and
// SSID. Any other paste goes in as typed.
#pragma once

class QObject;

namespace zeru::app {

class WidgetSettings;

// Watches the call fields of every path row of `settings`; `owner` keeps the watchers.
void installPathPaste(const WidgetSettings& settings, QObject* owner);

}  // namespace zeru::app
