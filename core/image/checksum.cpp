// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <numeric>

#include "image/byte_fields.h"
#include "image/codec.h"
#include "image/layout.h"

namespace zeru {

std::uint32_t imageChecksum(const ConfigImage& image) {
    return std::accumulate(image.begin() + kChecksumFirst, image.begin() + kConfigBlockSize,
                           std::uint32_t{0});
}

bool VerifyImage(const ConfigImage& image) {
    if (getU32(image, layout::kChecksumOffset) != imageChecksum(image)) return false;
    return std::equal(layout::kEndMarker.begin(), layout::kEndMarker.end(), image.begin() + kEndMarkerOffset);
}

}  // namespace zeru
