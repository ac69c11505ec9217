// SPDX-License-Identifier: GPL-3.0-or-later
// The device's configuration read for a comparison: as "Read config" reads
// it, without its log lines or boxes (the window's settings, log and version
// box are not the comparison's to change), the progress bar and busy state
// still shown.
#pragma once

#include <string>

#include "device/device_selector.h"
#include "device/report_transport.h"
#include "interaction/user_interface.h"
#include "settings/result.h"
#include "settings/settings.h"

namespace zeru {

// Reads the device's configuration into `settings` as the device holds it:
// the port roles are not settled (a comparison must see the pair the device
// holds). `ui` gets the busy state and the progress
// only; `selector` chooses the device (null: the first one). When the
// settings were not read, the failure of "Read config", its text what that
// would have told, its lines joined by "\n".
Outcome readDeviceQuietly(Settings& settings, UserInterface& ui, ReportTransport& transport,
                          const DeviceSelector* selector);

}  // namespace zeru
