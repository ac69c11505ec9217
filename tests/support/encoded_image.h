// SPDX-License-Identifier: GPL-3.0-or-later
// The image of settings a test knows to be valid.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "image/codec.h"
#include "support/recording_ui.h"

namespace zeru::test {

// Encodes `settings` with a fixed stamp; the test fails when anything is refused.
inline ConfigImage encodeOrFail(const Settings& settings, std::uint16_t stamp = 1234) {
    ConfigImage image{};
    RecordingUi ui;
    EXPECT_TRUE(EncodeConfiguration(settings, ui, image, stamp));
    EXPECT_EQ(ui.boxes(), std::vector<std::string>{});
    return image;
}

}  // namespace zeru::test
