// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/upload_notice.h"

#include <cstdio>

#include "device/version_requests.h"

namespace zeru {

std::uint32_t builtInFirmwareVersion() { return kConfiguratorVersion; }

std::string firmwareUploadFacts() {
    char version[16];
    std::snprintf(version, sizeof version, "%u.%02u", builtInFirmwareVersion() / 100,
                  builtInFirmwareVersion() % 100);
    return std::string("Firmware version ") + version +
           " will be uploaded to the device.\n"
           "The device must stay plugged in until the upload ends.";
}

std::string firmwareUploadQuestion() { return firmwareUploadFacts() + "\n\nUpload firmware now?"; }

}  // namespace zeru
