// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "device/device_flows.h"
#include "device/firmware_resource.h"
#include "interaction/utf8_path.h"
#include "settings/settings_model.h"
#include "sim_link.h"

namespace zeru::test {
namespace {

std::vector<std::uint8_t> pseudoRandomBytes(std::size_t size, std::uint32_t seed) {
    std::vector<std::uint8_t> bytes(size);
    for (auto& b : bytes) {
        seed = seed * 1664525u + 1013904223u;
        b = static_cast<std::uint8_t>(seed >> 24);
    }
    return bytes;
}

// The upload flow against the simulated device, with the firmware image the
// test chooses (nullopt: no resource 1).
struct UploadRig {
    sim::DeviceState device;
    sim::SimulatorTransport transport{device};
    RecordingUi ui;
    SettingsModel settings;
    ConfigImages images;
    std::optional<std::vector<std::uint8_t>> image;
    DeviceFlows flows{settings, ui, images, transport,
                      [this](int id) -> std::optional<std::span<const std::uint8_t>> {
                          if (id != 1 || !image) return std::nullopt;
                          return std::span<const std::uint8_t>(*image);
                      }};
};

std::vector<RecordingUi::Event> busyEvents(const RecordingUi& ui) {
    std::vector<RecordingUi::Event> out;
    for (const auto& e : ui.events)
        if (e.kind == RecordingUi::Event::Busy || e.kind == RecordingUi::Event::Idle) out.push_back(e);
    return out;
}

const std::vector<RecordingUi::Event> kBusyThenIdle{{RecordingUi::Event::Busy, {}},
                                                    {RecordingUi::Event::Idle, {}}};

TEST(FirmwareResource, ShippedImageIsResourceOneAndMatchesItsFile) {
    EXPECT_FALSE(findFirmwareResource(0));
    EXPECT_FALSE(findFirmwareResource(2));
    const auto image = findFirmwareResource(1);
    ASSERT_TRUE(image);
    std::ifstream file(pathFromUtf8(ZERU_FIRMWARE_IMAGE_PATH), std::ios::binary);
    ASSERT_TRUE(file) << ZERU_FIRMWARE_IMAGE_PATH;
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                          std::istreambuf_iterator<char>());
    EXPECT_TRUE(std::equal(image->begin(), image->end(), bytes.begin(), bytes.end()));
}

TEST(FirmwareResource, ShippedBlockIs1408Pages) {
    EXPECT_EQ(std::filesystem::file_size(pathFromUtf8(ZERU_SHIPPED_FIRMWARE_PATH)), 45056u);
}

// The built-in image (the shipped block unless the build names another file).
TEST(UploadFirmware, BuiltInImageGoesAsStored) {
    sim::DeviceState device;
    sim::SimulatorTransport transport(device);
    RecordingUi ui;
    SettingsModel settings;
    ConfigImages images;
    DeviceFlows flows(settings, ui, images, transport);

    EXPECT_TRUE(flows.uploadFirmware());

    const auto builtIn = findFirmwareResource(1);
    ASSERT_TRUE(builtIn);
    const int pages = static_cast<int>((builtIn->size() + 31) / 32);
    EXPECT_TRUE(std::equal(builtIn->begin(), builtIn->end(), device.firmware.begin()));
    EXPECT_EQ(device.firmware.size(), static_cast<std::size_t>(pages) * 32);
    EXPECT_EQ(ui.logLines(), concat({{std::string(kFoundLine)},
                                     pageLines("Page written: ", 1, pages, pages),
                                     {"Firmware upgrade success"}}));
    EXPECT_EQ(ui.progressMax, pages);
    EXPECT_EQ(ui.progressValue, 0);
    EXPECT_EQ(ui.processEventsCalls, pages);
    EXPECT_EQ(busyEvents(ui), kBusyThenIdle);
    EXPECT_FALSE(ui.busy);
    EXPECT_FALSE(transport.isOpen());
    EXPECT_TRUE(std::equal(builtIn->begin(), builtIn->end(), flows.firmwareBuffer().begin()));
}

struct SizeCase {
    const char* name;
    std::size_t size;
    std::size_t pages;
};

class UploadSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(UploadSize, PagesCountedUpAndLastPageZeroPadded) {
    const SizeCase& c = GetParam();
    UploadRig rig;
    rig.image = pseudoRandomBytes(c.size, 7);

    EXPECT_TRUE(rig.flows.uploadFirmware());

    const std::string count = std::to_string(c.pages);
    const auto lines = rig.ui.logLines();
    ASSERT_EQ(lines.size(), c.pages + 2);
    EXPECT_EQ(lines[c.pages], "Page written: " + count + "/" + count);
    EXPECT_EQ(lines.back(), "Firmware upgrade success");
    std::vector<std::uint8_t> expected = *rig.image;
    expected.resize(c.pages * 32, 0);
    EXPECT_EQ(rig.device.firmware, expected);
}

INSTANTIATE_TEST_SUITE_P(Sizes, UploadSize,
                         ::testing::Values(SizeCase{"ThirtyThreeBytes", 33, 2}, SizeCase{"OnePage", 32, 1},
                                           SizeCase{"LargestAccepted", 112640, 3520}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(UploadFirmware, ThirtyThreeBytesSumCoversThePadding) {
    // The simulated device refuses a page whose sum is wrong, so a sum over
    // anything but the 33rd byte and 31 zeros would end in a write error.
    UploadRig rig;
    rig.image = std::vector<std::uint8_t>(33, 0xFF);
    EXPECT_TRUE(rig.flows.uploadFirmware());
    ASSERT_EQ(rig.device.firmware.size(), 64u);
    EXPECT_EQ(rig.device.firmware[32], 0xFF);
    EXPECT_TRUE(std::all_of(rig.device.firmware.begin() + 33, rig.device.firmware.end(),
                            [](std::uint8_t b) { return b == 0; }));
}

TEST(UploadFirmware, ShorterImageAfterALongerOneIsStillZeroPadded) {
    UploadRig rig;
    rig.image = std::vector<std::uint8_t>(100, 0xAA);
    ASSERT_TRUE(rig.flows.uploadFirmware());
    rig.image = std::vector<std::uint8_t>(33, 0x55);
    ASSERT_TRUE(rig.flows.uploadFirmware());
    // Two pages: the 33 bytes, then zeros up to the end of the second page.
    std::vector<std::uint8_t> expected(64, 0);
    std::fill_n(expected.begin(), 33, 0x55);
    EXPECT_EQ(rig.device.firmware, expected);
}

struct RefusalCase {
    const char* name;
    std::optional<std::size_t> size;  // nullopt: no resource
    const char* box;
};

class UploadRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(UploadRefusal, BoxNothingSentButtonsBackDeviceClosed) {
    const RefusalCase& c = GetParam();
    UploadRig rig;
    if (c.size) rig.image = std::vector<std::uint8_t>(*c.size, 1);

    EXPECT_FALSE(rig.flows.uploadFirmware());

    EXPECT_EQ(rig.ui.texts(RecordingUi::Event::Information), std::vector<std::string>{c.box});
    EXPECT_EQ(rig.ui.logLines(), std::vector<std::string>{std::string(kFoundLine)});
    EXPECT_EQ(rig.device.requests, 0u);
    EXPECT_EQ(busyEvents(rig.ui), kBusyThenIdle);
    EXPECT_FALSE(rig.transport.isOpen());
}

INSTANTIATE_TEST_SUITE_P(Refusals, UploadRefusal,
                         ::testing::Values(RefusalCase{"NoResource", std::nullopt,
                                                       "Firmware resource not found (FindResource)."},
                                           RefusalCase{"OneByteTooLong", 112641, "Firmware file too long."}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(UploadFirmware, RefusedPageStopsTheUploadAndFreesTheButtons) {
    UploadRig rig;
    rig.image = pseudoRandomBytes(45056, 3);
    rig.device.fault = sim::parseFault("refuse:100");

    EXPECT_FALSE(rig.flows.uploadFirmware());

    EXPECT_EQ(rig.ui.logLines(), concat({{std::string(kFoundLine)},
                                         pageLines("Page written: ", 1, 100, 1408),
                                         {"Page write error: 101/1408"}}));
    EXPECT_EQ(rig.ui.progressValue, 100);
    EXPECT_EQ(busyEvents(rig.ui), kBusyThenIdle);
    EXPECT_FALSE(rig.transport.isOpen());
}

TEST(UploadFirmware, NoDeviceLeavesTheButtonsAlone) {
    UploadRig rig;
    rig.image = pseudoRandomBytes(64, 1);
    rig.device.present = false;

    EXPECT_FALSE(rig.flows.uploadFirmware());

    EXPECT_EQ(rig.ui.logLines(),
              (std::vector<std::string>{std::string(kNotFoundLine), notFoundAdviceLine()}));
    EXPECT_TRUE(busyEvents(rig.ui).empty());
}

// Checks at every event round that the buttons are disabled while pages go.
class BusyWatchingUi : public RecordingUi {
public:
    void processEvents() override {
        RecordingUi::processEvents();
        if (!busy) ++roundsWhileIdle;
    }
    int roundsWhileIdle = 0;
};

TEST(UploadFirmware, ButtonsDisabledWhileEveryPageGoes) {
    sim::DeviceState device;
    sim::SimulatorTransport transport(device);
    BusyWatchingUi ui;
    SettingsModel settings;
    ConfigImages images;
    const std::vector<std::uint8_t> image = pseudoRandomBytes(320, 9);
    DeviceFlows flows(settings, ui, images, transport,
                      [&](int) { return std::optional<std::span<const std::uint8_t>>(image); });

    EXPECT_TRUE(flows.uploadFirmware());

    EXPECT_EQ(ui.processEventsCalls, 10);
    EXPECT_EQ(ui.roundsWhileIdle, 0);
    EXPECT_FALSE(ui.busy);
    // Each round comes before its page's line: events, then "Page written".
    EXPECT_EQ(ui.events.front().kind, RecordingUi::Event::Log);  // the found line, before the buttons go
    EXPECT_EQ(ui.events[1].kind, RecordingUi::Event::Busy);
    EXPECT_EQ(ui.events.back().kind, RecordingUi::Event::Idle);
}

TEST(UploadFirmware, SilentDeviceEndsTheUploadAtItsPage) {
    UploadRig rig;
    rig.image = pseudoRandomBytes(45056, 5);
    rig.device.fault = sim::parseFault("silent:0");

    EXPECT_FALSE(rig.flows.uploadFirmware());

    EXPECT_EQ(rig.ui.logLines(),
              (std::vector<std::string>{std::string(kFoundLine), "Page write error: 1/1408"}));
    EXPECT_EQ(busyEvents(rig.ui), kBusyThenIdle);
}

}  // namespace
}  // namespace zeru::test
