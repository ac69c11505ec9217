// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/device_link.h"

#include <gtest/gtest.h>

#include "fake_transport.h"
#include "support/recording_ui.h"

namespace zeru::test {
namespace {

const std::string kFound(kFoundLine);
const std::string kNotFound(kNotFoundLine);

struct FindCase {
    const char* name;
    std::vector<HidDeviceInfo> devices;
    bool found;
    std::vector<std::string> opened;
};

class FindDeviceTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindDeviceTest, MatchesVendorAndProductFirstMatchWins) {
    const FindCase& c = GetParam();
    FakeTransport transport;
    transport.devices = c.devices;
    RecordingUi ui;
    DeviceLink link(transport, ui);

    const Outcome found = link.FindDevice();
    EXPECT_EQ(found.ok(), c.found);
    const std::vector<std::string> expected = c.found
                                                  ? std::vector<std::string>{kFound}
                                                  : std::vector<std::string>{kNotFound, notFoundAdviceLine()};
    EXPECT_EQ(ui.logLines(), expected);
    if (!c.found) {
        EXPECT_EQ(found.failure().text, kNotFound + "\n" + notFoundAdviceLine());
    }
    EXPECT_EQ(transport.opened, c.opened);
    EXPECT_EQ(link.isOpen(), c.found);
}

INSTANTIATE_TEST_SUITE_P(
    Enumerations, FindDeviceTest,
    ::testing::Values(FindCase{"NoDevice", {}, false, {}},
                      FindCase{"OnlyOtherDevices",
                               {{0x046D, 0xC52B, "/dev/hidraw0"}, {0x0483, 0x5740, "/dev/hidraw1"}},
                               false,
                               {}},
                      FindCase{"ProductOfAnotherVendor", {{0x1234, 0xA050, "/dev/hidraw0"}}, false, {}},
                      FindCase{"AfterOtherDevices",
                               {{0x046D, 0xC52B, "/dev/hidraw0"}, {0x0483, 0xA050, "/dev/hidraw3"}},
                               true,
                               {"/dev/hidraw3"}},
                      FindCase{"TwoMatchingFirstWins",
                               {{0x0483, 0xA050, "/dev/hidraw5"}, {0x0483, 0xA050, "/dev/hidraw2"}},
                               true,
                               {"/dev/hidraw5"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DeviceLink, OpenFailureLogsFoundThenWhyAndTheExchangeFailsWithoutWriting) {
    FakeTransport transport;
    transport.devices = {{0x0483, 0xA050, "/dev/hidraw0"}};
    transport.openFailure = "permission denied";
    RecordingUi ui;
    DeviceLink link(transport, ui);

    const Outcome found = link.FindDevice();
    const std::string why =
        "Cannot open the device: permission denied. See man zeru-cli and "
        "/usr/share/doc/kestrovane-zeru-configurator/.";
    ASSERT_FALSE(found);
    EXPECT_EQ(found.failure().kind, FailureKind::DeviceFailed);
    EXPECT_EQ(found.failure().text, why);
    EXPECT_EQ(ui.logLines(), (std::vector<std::string>{kFound, why}));
    EXPECT_FALSE(link.isOpen());
    EXPECT_FALSE(link.TransferReport(makeRequest(kFirmwareVersionCommand)));
    EXPECT_TRUE(transport.written.empty());
}

struct ExchangeCase {
    const char* name;
    int writeResult;
    std::deque<FakeTransport::ReadResult> reads;
    bool succeeds;
    std::size_t readsTried;
};

class TransferReportTest : public ::testing::TestWithParam<ExchangeCase> {};

TEST_P(TransferReportTest, NeedsWholeReportsBothWays) {
    const ExchangeCase& c = GetParam();
    FakeTransport transport;
    transport.devices = {{0x0483, 0xA050, "p"}};
    transport.writeResult = c.writeResult;
    transport.reads = c.reads;
    RecordingUi ui;
    DeviceLink link(transport, ui);
    ASSERT_TRUE(link.FindDevice());

    Report request = makeRequest(kPageReadCommand);
    request[2] = 7;
    const std::optional<Report> reply = link.TransferReport(request);

    EXPECT_EQ(reply.has_value(), c.succeeds);
    ASSERT_EQ(transport.written.size(), 1u);
    EXPECT_EQ(transport.written[0], request);
    EXPECT_EQ(transport.readLimits.size(), c.readsTried);
    for (auto limit : transport.readLimits) {
        EXPECT_EQ(limit, std::chrono::milliseconds(1000));
    }
    if (c.succeeds) {
        EXPECT_EQ((*reply)[1], 0xFC);
    }
}

Report replyWith(std::uint8_t command) {
    Report r{};
    r[1] = command;
    return r;
}

INSTANTIATE_TEST_SUITE_P(
    Exchanges, TransferReportTest,
    ::testing::Values(ExchangeCase{"Whole", 65, {{65, replyWith(0xFC)}}, true, 1},
                      ExchangeCase{"ShortWriteReadsNothing", 64, {{65, replyWith(0xFC)}}, false, 0},
                      ExchangeCase{"FailedWriteReadsNothing", -1, {{65, replyWith(0xFC)}}, false, 0},
                      ExchangeCase{"ShortReply", 65, {{33, replyWith(0xFC)}}, false, 1},
                      // One byte short of the 65: the transport counts the report number.
                      ExchangeCase{"SixtyFourByteReply", 65, {{64, replyWith(0xFC)}}, false, 1},
                      ExchangeCase{"FailedRead", 65, {{-1, replyWith(0xFC)}}, false, 1},
                      ExchangeCase{"TimeLimitExpired", 65, {}, false, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DeviceLink, ClosesOnceAndNotWhenNothingIsOpen) {
    FakeTransport transport;
    RecordingUi ui;
    {
        DeviceLink link(transport, ui);
        link.CloseDevice();  // never opened
        EXPECT_EQ(transport.closes, 0);
        transport.devices = {{0x0483, 0xA050, "p"}};
        ASSERT_TRUE(link.FindDevice());
        link.CloseDevice();
        link.CloseDevice();
        EXPECT_EQ(transport.closes, 1);
        EXPECT_FALSE(link.TransferReport(makeRequest(kFirmwareVersionCommand)));
        ASSERT_TRUE(link.FindDevice());
    }
    EXPECT_EQ(transport.closes, 2);  // the link closes what is still open when it ends
}

}  // namespace
}  // namespace zeru::test
