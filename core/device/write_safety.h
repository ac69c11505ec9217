// SPDX-License-Identifier: GPL-3.0-or-later
// What a configuration write or a firmware upload does on the open link before
// it sends anything (the backup of the device's memory, the list of changes).
// The flows run without it when none is given.
#pragma once

#include "device/device_link.h"
#include "image/config_image.h"
#include "settings/result.h"

namespace zeru {

class WriteSafety {
public:
    virtual ~WriteSafety() = default;

    // Before a configuration write of `toWrite`, once the device's firmware
    // matches. A failure stops the write: nothing is sent.
    virtual Outcome beforeWrite(DeviceLink& link, const ConfigImage& toWrite) = 0;
    // Before a firmware upload; the upload goes on whatever happens here, as it
    // is how a broken device is mended.
    virtual void beforeUpload(DeviceLink& link) = 0;
};

}  // namespace zeru
