// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/quiet_decode.h"

#include "image/codec.h"
#include "interaction/silent_ui.h"

namespace zeru::backup {

bool decodeQuietly(const ConfigImage& image, Settings& settings) {
    SilentUi silent;
    return VerifyImage(image) && DecodeConfiguration(image, settings, silent);
}

}  // namespace zeru::backup
