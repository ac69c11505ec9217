// SPDX-License-Identifier: GPL-3.0-or-later
// Checking, encoding and decoding of configuration images.
#pragma once

#include <cstdint>
#include <string_view>

#include "image/config_image.h"
#include "interaction/user_interface.h"
#include "settings/result.h"
#include "settings/settings.h"

namespace zeru {

// Sum of the bytes at offsets 4..1287.
std::uint32_t imageChecksum(const ConfigImage& image);
// True when the stored checksum matches (checked first) and "END" stands at 1284.
bool VerifyImage(const ConfigImage& image);

// Validates the settings in the device's order and fills `writeImage`. The first
// failing setting ends it, told in an information box (a number text that is
// not an integer in the error box), and is the failure returned. The overload
// without a stamp draws one from a generator seeded with the current time.
Outcome EncodeConfiguration(const Settings& settings, UserInterface& ui, ConfigImage& writeImage);
Outcome EncodeConfiguration(const Settings& settings, UserInterface& ui, ConfigImage& writeImage,
                            std::uint16_t writeStamp);

// Whether a decoding settles the port rules: "Read config" does; a
// comparison with what the device holds must not, or a pair of roles the
// device holds would show as the pair the rules make of it.
enum class PortRoles { Settle, AsHeld };

// Checks the configuration version, then sets every setting from `readImage`
// and runs the position rules and (unless `roles` is AsHeld) the port rules.
// When the version differs, the failure (ImageRefused) carrying the message
// it showed ("Uncompatible configuration version: ..."); no setting is
// changed then.
Outcome DecodeConfiguration(const ConfigImage& readImage, Settings& settings, UserInterface& ui,
                            PortRoles roles = PortRoles::Settle);

}  // namespace zeru
