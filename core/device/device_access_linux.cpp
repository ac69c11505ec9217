// SPDX-License-Identifier: GPL-3.0-or-later
// Linux: a device that is there may still be out of reach without the
// device-access rule that the package installs.
#include "device/device_link.h"

namespace zeru {

std::string notFoundAdviceLine() {
    return "Check that the USB cable is plugged in and the device is powered, and that the device-access "
           "rule "
           "is installed (see " +
           std::string(kDeviceAccessDocumentation) + ").";
}

}  // namespace zeru
