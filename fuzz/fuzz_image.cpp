// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary 7168-byte images, as a damaged device might give them back:
// checking and decoding must take anything without crashing. The checksum and
// the end marker are then made right so that decoding is reached, and a
// decoded configuration, encoded again, must decode to the same settings.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "image/byte_fields.h"
#include "image/codec.h"
#include "image/layout.h"
#include "settings/catalogue.h"
#include "settings/settings_model.h"
#include "settings/whole_number.h"
#include "support/random_settings.h"
#include "support/recording_ui.h"

namespace {

using zeru::ConfigImage;
using zeru::SettingsModel;
using zeru::test::RecordingUi;

// The input's first 7168 bytes, zeros after a shorter input.
ConfigImage imageOf(const std::uint8_t* data, std::size_t size) {
    ConfigImage image{};
    std::copy_n(data, std::min(size, image.size()), image.begin());
    return image;
}

void makeChecksumRight(ConfigImage& image) {
    std::copy(zeru::layout::kEndMarker.begin(), zeru::layout::kEndMarker.end(),
              image.begin() + zeru::kEndMarkerOffset);
    zeru::putU32(image, zeru::layout::kChecksumOffset, zeru::imageChecksum(image));
}

// True when the refused text (quoted in `message`) is a setting's text made of
// digits alone whose value does not fit a signed 32-bit number.
bool holdsNumberBeyondSigned32(const SettingsModel& settings, std::string_view message) {
    const std::size_t open = message.find('\'');
    const std::size_t close = message.find('\'', open + 1);
    if (open == std::string_view::npos || close == std::string_view::npos) return false;
    const std::string text(message.substr(open + 1, close - open - 1));
    if (text.empty() || text.size() > 10 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    if (std::stoull(text) <= 2147483647ULL) return false;
    for (const auto& def : settings.catalogue().defs())
        if (def.kind == zeru::SettingKind::Text && settings.text(def.id) == text) return true;
    return false;
}

// Decoding either refuses the image (one box, no setting changed) or gives
// settings whose image decodes to the same settings again, normalised.
void checkDecode(const ConfigImage& image) {
    const SettingsModel before;
    SettingsModel decoded;
    RecordingUi ui;
    if (!zeru::DecodeConfiguration(image, decoded, ui)) {
        ZERU_FUZZ_CHECK(decoded == before);
        ZERU_FUZZ_CHECK(ui.boxes().size() == 1);
        return;
    }
    ConfigImage again{};
    RecordingUi encodeUi;
    const auto stamp = static_cast<std::uint16_t>(image[zeru::layout::kWriteStampOffset] |
                                                  image[zeru::layout::kWriteStampOffset + 1] << 8);
    // Values the device holds may break the form's rules; then the encoding
    // refuses them and there is nothing more to compare.
    if (const zeru::Outcome encoded = zeru::EncodeConfiguration(decoded, encodeUi, again, stamp); !encoded) {
        // A 32-bit field beyond 2147483647 decodes to its unsigned decimal
        // text, which the encoding's signed conversion refuses with the
        // standard error box: the user sees the value and can mend it.
        if (!encodeUi.texts(RecordingUi::Event::Error).empty())
            ZERU_FUZZ_CHECK(holdsNumberBeyondSigned32(decoded, encoded.failure().text));
        return;
    }
    ZERU_FUZZ_CHECK(zeru::VerifyImage(again));
    SettingsModel redecoded;
    RecordingUi quiet;
    ZERU_FUZZ_CHECK(zeru::DecodeConfiguration(again, redecoded, quiet));
    // Up to what an image does to any configuration (an SSID behind an empty
    // name is stored as 0, names in upper case, and the like).
    SettingsModel expected = decoded;
    zeru::test::applyImageNormalisations(expected);
    ZERU_FUZZ_CHECK(redecoded == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ConfigImage image = imageOf(data, size);
    const ConfigImage original = image;
    const bool verified = zeru::VerifyImage(image);
    ZERU_FUZZ_CHECK(image == original);  // checking never changes the image
    if (verified) checkDecode(image);

    // The checksum bytes are overwritten below, so the first one is free to
    // choose whether the configuration version is made right too.
    const bool keepVersion = size > 0 && (data[0] & 1) != 0;
    if (!keepVersion)
        std::copy(zeru::kVersionLabel.begin(), zeru::kVersionLabel.end(),
                  image.begin() + zeru::kConfigVersionOffset);
    makeChecksumRight(image);
    ZERU_FUZZ_CHECK(zeru::VerifyImage(image));
    checkDecode(image);
    return 0;
}
