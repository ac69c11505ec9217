// Arbitrary 7168-byte images, as a damaged device might give them back:
// checking and decoding must take anything without crashing. The checksum and
// the end marker are then made right so that decoding is reached, and a
// decoded configuration, encoded again, must decode to the same settings.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "image/byte_fields.h"
#include "image/codec.h"
#include "image/layout.h"
#include "settings/catalogue.h"
#include "settings/settings_model.h"
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

// Decoding either refuses the image (one box, no setting changed) or gives
// settings whose image decodes to the same settings again.
void checkDecode(ConfigImage image) {
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
    try {
        // Values the device holds may break the form's rules; then the
        // encoding refuses them and there is nothing more to compare.
        if (!zeru::EncodeConfiguration(decoded, encodeUi, again, stamp)) return;
    } catch (const std::exception&) {
        ZERU_FUZZ_CHECK(!"a decoded number is not a whole number");
    }
    ZERU_FUZZ_CHECK(zeru::VerifyImage(again));
    SettingsModel redecoded;
    RecordingUi quiet;
    ZERU_FUZZ_CHECK(zeru::DecodeConfiguration(again, redecoded, quiet));
    ZERU_FUZZ_CHECK(redecoded == decoded);
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
        std::copy(zeru::kVersionLabel.begin(), zeru::kVersionLabel.end(), image.begin() + zeru::kConfigVersionOffset);
    makeChecksumRight(image);
    ZERU_FUZZ_CHECK(zeru::VerifyImage(image));
    checkDecode(image);
    return 0;
}
