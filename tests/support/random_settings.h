// SPDX-License-Identifier: GPL-3.0-or-later
// Random configurations that "Write config" accepts, for round-trip and
// property tests of the image, the file and the device link.
#pragma once

#include <random>

#include "settings/settings.h"

namespace zeru::test {

struct RandomSettingsOptions {
    // Only values that an image gives back unchanged: upper-case names without
    // trailing spaces, plain decimal numbers, SSID 0 behind an empty name,
    // beacon messages without line breaks, symbols of one character.
    bool canonical = false;
    // Choices may be left without a selection (stored as 255 and read back so).
    bool allowNoSelection = false;
};

// Sets every setting of the catalogue to a random value that passes every check
// of the encoding. The two serial port roles never conflict, so the port rules
// change nothing after a decode.
void fillRandomValidSettings(Settings& settings, std::mt19937& rng,
                             const RandomSettingsOptions& options = {});

// Turns `settings` into what decoding an image of them gives back: numbers in
// plain decimal form, names upper-cased without trailing spaces, the SSID of an
// empty name "0", beacon messages without line breaks, symbols cut to their
// first character.
void applyImageNormalisations(Settings& settings);

}  // namespace zeru::test
