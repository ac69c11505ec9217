// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers shared by the image tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "image/codec.h"
#include "settings/catalogue.h"
#include "settings/settings_model.h"
#include "support/encoded_image.h"
#include "support/recording_ui.h"

namespace zeru::test {

inline std::vector<std::uint8_t> bytesOf(std::string_view chars) { return {chars.begin(), chars.end()}; }

inline std::vector<std::uint8_t> slice(const ConfigImage& image, std::size_t offset, std::size_t size) {
    return {image.begin() + static_cast<std::ptrdiff_t>(offset),
            image.begin() + static_cast<std::ptrdiff_t>(offset + size)};
}

// Every setting of `actual` equals the one of `expected`, reported by name.
inline void expectSameSettings(const Settings& expected, const Settings& actual) {
    for (const SettingDef& d : settingsCatalogue().defs()) {
        if (d.kind == SettingKind::Text)
            EXPECT_EQ(expected.text(d.id), actual.text(d.id)) << d.name;
        else
            EXPECT_EQ(expected.index(d.id), actual.index(d.id)) << d.name;
    }
}

}  // namespace zeru::test
