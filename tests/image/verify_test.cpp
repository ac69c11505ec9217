// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "image/byte_fields.h"
#include "image/codec.h"
#include "image/write_stamp.h"
#include "image_test_helpers.h"

namespace zeru::test {
namespace {

TEST(VerifyImage, AllZeroImageFailsOnItsMissingEndMarker) {
    ConfigImage image{};
    EXPECT_EQ(imageChecksum(image), 0u);
    EXPECT_FALSE(VerifyImage(image));
}

TEST(VerifyImage, EncodedImagePasses) {
    SettingsModel defaults;
    EXPECT_TRUE(VerifyImage(encodeOrFail(defaults)));
}

TEST(VerifyImage, AnyChangedByteOfTheBlockFailsAndNoByteBeyondItMatters) {
    SettingsModel defaults;
    const ConfigImage good = encodeOrFail(defaults);
    for (std::size_t offset = 0; offset < kImageSize; ++offset) {
        for (std::uint8_t delta : {std::uint8_t{1}, std::uint8_t{0x80}}) {
            ConfigImage image = good;
            image[offset] = static_cast<std::uint8_t>(image[offset] + delta);
            EXPECT_EQ(VerifyImage(image), offset >= kConfigBlockSize) << "offset " << offset;
        }
    }
}

TEST(VerifyImage, RightSumWithoutEndMarkerFails) {
    SettingsModel defaults;
    ConfigImage image = encodeOrFail(defaults);
    image[kEndMarkerOffset + 2] = 'X';
    putU32(image, 0, imageChecksum(image));
    EXPECT_FALSE(VerifyImage(image));
    image[kEndMarkerOffset + 2] = 'D';
    putU32(image, 0, imageChecksum(image));
    EXPECT_TRUE(VerifyImage(image));
}

TEST(VerifyImage, ChecksumIsTheUnsignedSumOfOffsets4To1287) {
    ConfigImage image{};
    image.fill(0xFF);
    EXPECT_EQ(imageChecksum(image), 1284u * 255u);
}

TEST(WriteStamp, SameSecondSameStampAlwaysBelow10000) {
    for (std::time_t t : {std::time_t{0}, std::time_t{1}, std::time_t{1700000000}, std::time_t{2147483647}}) {
        EXPECT_EQ(drawWriteStamp(t), drawWriteStamp(t));
        EXPECT_LT(drawWriteStamp(t), 10000);
    }
    int differing = 0;
    for (std::time_t t = 1700000000; t < 1700000020; ++t)
        differing += drawWriteStamp(t) != drawWriteStamp(t + 1);
    EXPECT_GT(differing, 10);
}

TEST(WriteStamp, TwoEncodingsDifferOnlyInStampAndChecksum) {
    SettingsModel defaults;
    const ConfigImage a = encodeOrFail(defaults, 1);
    const ConfigImage b = encodeOrFail(defaults, 9999);
    EXPECT_EQ(slice(a, 4, 2), (std::vector<std::uint8_t>{0x01, 0x00}));
    EXPECT_EQ(slice(b, 4, 2), (std::vector<std::uint8_t>{0x0F, 0x27}));
    EXPECT_EQ(slice(a, 6, kImageSize - 6), slice(b, 6, kImageSize - 6));
    EXPECT_TRUE(VerifyImage(a));
    EXPECT_TRUE(VerifyImage(b));
}

TEST(WriteStamp, TheOverloadWithoutStampStoresADrawOfTheCurrentSecond) {
    SettingsModel defaults;
    ConfigImage image{};
    RecordingUi ui;
    const std::time_t before = std::time(nullptr);
    ASSERT_TRUE(EncodeConfiguration(defaults, ui, image));
    const std::time_t after = std::time(nullptr);
    const std::uint16_t stamp = getU16(image, 4);
    EXPECT_TRUE(stamp == drawWriteStamp(before) || stamp == drawWriteStamp(after)) << stamp;
    EXPECT_TRUE(VerifyImage(image));
}

}  // namespace
}  // namespace zeru::test
