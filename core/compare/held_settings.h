// SPDX-License-Identifier: GPL-3.0-or-later
// A configuration as a device would hold it once written. The image cannot
// tell some values apart (the SSID of a station without a name is stored as
// 0, station names in capitals, numbers without leading zeros), so a file and
// what a device or an image holds are compared through it; otherwise a device
// written from a file would differ from that very file.
#pragma once

#include "settings/settings_model.h"

namespace zeru::compare {

// `settings` encoded and decoded again, quietly, into `held` (which may be
// `settings` itself), the port roles as they stand, not settled. False, with `held` untouched, when "Write
// config" would refuse the settings.
bool asTheDeviceHoldsIt(const Settings& settings, Settings& held);

}  // namespace zeru::compare
