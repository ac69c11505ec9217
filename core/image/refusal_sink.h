// SPDX-License-Identifier: GPL-3.0-or-later
// Where the encoder's refusals go. "Write config" stops at the first one and
// shows it; the problems check collects them all and goes on.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "image/config_image.h"
#include "settings/result.h"
#include "settings/settings.h"

namespace zeru {

class RefusalSink {
public:
    virtual ~RefusalSink() = default;

    // A setting the encoder refuses, with the refusal's exact text. True to go
    // on with the next setting, false to end the encoding.
    virtual bool refused(SettingId setting, const std::string& message) = 0;
    // A number setting whose text is not a whole number; the same answer.
    virtual bool notANumber(SettingId setting, std::string_view text) = 0;
};

// The encoding with its refusals told to `sink`: done when nothing was refused
// and `writeImage` is complete, else the first refusal (its setting and text).
// After a refusal the image is partial, but no text ever runs past its field.
Outcome EncodeConfiguration(const Settings& settings, RefusalSink& sink, ConfigImage& writeImage,
                            std::uint16_t writeStamp);

}  // namespace zeru
