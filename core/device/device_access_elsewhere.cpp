// SPDX-License-Identifier: GPL-3.0-or-later
// Windows and the browser: any program may reach the device, so only the
// cable and the power are worth checking.
#include "device/device_link.h"

namespace zeru {

std::string notFoundAdviceLine() {
    return "Check that the USB cable is plugged in and the device is powered.";
}

}  // namespace zeru
