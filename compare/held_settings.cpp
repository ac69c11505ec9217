// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/held_settings.h"

#include <exception>

#include "image/codec.h"
#include "interaction/silent_ui.h"

namespace zeru::compare {

bool asTheDeviceHoldsIt(const Settings& settings, Settings& held) {
    SilentUi silent;  // the refusals and the rules' notes belong to the commands, not to a comparison
    ConfigImage image{};
    SettingsModel decoded;
    try {
        if (!EncodeConfiguration(settings, silent, image, 0) || !DecodeConfiguration(image, decoded, silent))
            return false;
    } catch (const std::exception&) {  // a number that does not convert
        return false;
    }
    copySettings(decoded, held);
    return true;
}

}  // namespace zeru::compare
