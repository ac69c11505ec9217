// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/held_settings.h"

#include "image/codec.h"
#include "interaction/silent_ui.h"

namespace zeru::compare {

bool asTheDeviceHoldsIt(const Settings& settings, Settings& held) {
    SilentUi silent;  // the refusals and the rules' notes belong to the commands, not to a comparison
    ConfigImage image{};
    SettingsModel decoded;
    // A number that does not convert is refused by the encoder as any other setting.
    if (!EncodeConfiguration(settings, silent, image, 0) ||
        !DecodeConfiguration(image, decoded, silent, PortRoles::AsHeld))
        return false;
    copySettings(decoded, held);
    return true;
}

}  // namespace zeru::compare
