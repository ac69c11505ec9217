// SPDX-License-Identifier: GPL-3.0-or-later
// Two simulated devices on one transport: listing them, choosing one by path
// or serial number, and a chosen device that is not there.
#include <gtest/gtest.h>

#include "device/device_flows.h"
#include "device/wide_text.h"
#include "settings/settings_model.h"
#include "sim_link.h"

namespace zeru::test {
namespace {

struct TwoDevices {
    TwoDevices() {
        first.serialNumber = "ZS0001";
        second.serialNumber = "ZS0002";
    }
    sim::DeviceState first, second;
    sim::SimulatorTransport transport{{{"sim:a", &first}, {"sim:b", &second}}};
};

TEST(SeveralDevices, EnumerationListsEachWithItsPathAndSerialNumber) {
    TwoDevices d;
    const auto devices = zeruDevices(d.transport.enumerate());
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_EQ(devices[0].path, "sim:a");
    EXPECT_EQ(devices[0].serialNumber, "ZS0001");
    EXPECT_EQ(devices[1].path, "sim:b");
    EXPECT_EQ(devices[1].serialNumber, "ZS0002");
}

struct ChoiceCase {
    const char* name;
    std::string choice;
    int written;                   // 0: none, 1: the first device, 2: the second
    std::vector<std::string> log;  // the lines up to the first page
};

class Choice : public ::testing::TestWithParam<ChoiceCase> {};

// A write goes to the chosen device, and to that one only.
TEST_P(Choice, WriteReachesTheChosenDeviceOnly) {
    const ChoiceCase& c = GetParam();
    TwoDevices d;
    SettingsModel settings;
    RecordingUi ui;
    ConfigImages images;
    DeviceFlows flows(settings, ui, images, d.transport);
    const DeviceSelector selector(c.choice);
    flows.useDeviceSelector(&selector);

    const Outcome written = flows.writeConfig();
    EXPECT_EQ(written.ok(), c.written != 0);

    EXPECT_EQ(d.first.memory != sim::erasedMemory(), c.written == 1);
    EXPECT_EQ(d.second.memory != sim::erasedMemory(), c.written == 2);
    const auto lines = ui.logLines();
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + std::min(lines.size(), c.log.size())),
              c.log);
    if (!c.written) {
        EXPECT_EQ(written.failure().kind, FailureKind::NoDevice);
    }
}

const std::string kFound(kFoundLine);

INSTANTIATE_TEST_SUITE_P(
    ByPathOrSerial, Choice,
    ::testing::Values(ChoiceCase{"NoChoiceTakesTheFirst", "", 1, {kFound}},
                      ChoiceCase{"Path", "sim:b", 2, {kFound}},
                      ChoiceCase{"SerialNumber", "ZS0002", 2, {kFound}},
                      ChoiceCase{
                          "MissingPath", "/dev/hidraw9", 0, {"Kestrovane Zeru /dev/hidraw9 not found."}},
                      ChoiceCase{"SerialOfNoDevice", "ZS0003", 0, {"Kestrovane Zeru ZS0003 not found."}}),
    [](const auto& info) { return std::string(info.param.name); });

// The chosen device unplugged: not found, though another is there.
TEST(SeveralDevices, ChosenDeviceGoneIsNotFound) {
    TwoDevices d;
    d.second.present = false;
    RecordingUi ui;
    const DeviceSelector selector("ZS0002");
    DeviceLink link(d.transport, ui, &selector);
    EXPECT_FALSE(link.FindDevice());
    EXPECT_EQ(ui.logLines(), std::vector<std::string>{"Kestrovane Zeru ZS0002 not found."});
}

TEST(WideText, SerialNumbersBecomeUtf8) {
    const struct {
        std::wstring wide;
        std::string utf8;
    } cases[] = {
        {L"", ""},
        {L"ZS0001", "ZS0001"},
        {L"\u00e9\u20ac", "\xc3\xa9\xe2\x82\xac"},
        {L"\U0001F600", "\xf0\x9f\x98\x80"},                              // one unit, or two (UTF-16)
        {std::wstring(1, static_cast<wchar_t>(0xD800)), "\xef\xbf\xbd"},  // a lone surrogate
    };
    for (const auto& c : cases) EXPECT_EQ(utf8FromWide(c.wide), c.utf8);
}

}  // namespace
}  // namespace zeru::test
