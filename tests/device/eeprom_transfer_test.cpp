// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/eeprom_transfer.h"

#include <gtest/gtest.h>

#include <functional>
#include <numeric>

#include "device/page_requests.h"
#include "fake_transport.h"
#include "sim_link.h"

namespace zeru::test {
namespace {

// An image whose every page differs from its neighbours and from the erased
// memory, so that a page stored at the wrong place shows.
ConfigImage patternImage() {
    ConfigImage image;
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 7 + i / 32);
    return image;
}

TEST(PageRequests, WriteRequestLayout) {
    FakeTransport transport;
    transport.devices = {{0x0483, 0xA050, "p"}};
    Report ack{};
    ack[1] = 0xFD;
    transport.reads = {{65, ack}};
    RecordingUi ui;
    DeviceLink link(transport, ui);
    ASSERT_TRUE(link.FindDevice());

    std::array<std::uint8_t, 32> page;
    std::iota(page.begin(), page.end(), std::uint8_t{0xE0});  // sum 0xE0*32 + 496 = 7664 = 0x1DF0
    ASSERT_TRUE(WriteEepromPage(link, page, 0x0123));

    ASSERT_EQ(transport.written.size(), 1u);
    const Report& r = transport.written[0];
    EXPECT_EQ(r[0], 0x00);
    EXPECT_EQ(r[1], 0xFD);
    EXPECT_EQ(r[2], 0x23);
    EXPECT_EQ(r[3], 0x01);
    EXPECT_TRUE(std::equal(page.begin(), page.end(), r.begin() + 4));
    EXPECT_EQ(r[36], 0xF0);
    EXPECT_EQ(r[37], 0x1D);
    EXPECT_TRUE(std::all_of(r.begin() + 38, r.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST(PageRequests, ReadRequestLayoutAndReplyOffsets) {
    FakeTransport transport;
    transport.devices = {{0x0483, 0xA050, "p"}};
    Report reply{};
    reply[1] = 0xFC;
    reply[2] = 0x99;  // another page number: not compared
    for (int i = 0; i < 32; ++i) reply[4 + i] = static_cast<std::uint8_t>(200 + i);  // sum 6896 = 0x1AF0
    reply[36] = 0xF0;
    reply[37] = 0x1A;
    transport.reads = {{65, reply}};
    RecordingUi ui;
    DeviceLink link(transport, ui);
    ASSERT_TRUE(link.FindDevice());

    std::array<std::uint8_t, 32> page{};
    ASSERT_TRUE(ReadEepromPage(link, page, 223));
    EXPECT_TRUE(std::equal(page.begin(), page.end(), reply.begin() + 4));

    const Report& r = transport.written.at(0);
    EXPECT_EQ(r[1], 0xFC);
    EXPECT_EQ(r[2], 223);
    EXPECT_EQ(r[3], 0);
    EXPECT_TRUE(std::all_of(r.begin() + 4, r.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST(WriteEeprom, AllPagesStoredWithLinesAndProgressBackAtZero) {
    SimLink s;
    ASSERT_TRUE(s.link.FindDevice());
    const ConfigImage image = patternImage();
    s.ui.progressValue = 55;

    EXPECT_TRUE(WriteEeprom(s.link, image));

    EXPECT_EQ(s.device.memory, image);
    EXPECT_EQ(s.ui.logLines(), concat({{std::string(kFoundLine)},
                                       pageLines("Page written: ", 1, 224, 224),
                                       {"Eeprom write success"}}));
    EXPECT_EQ(s.ui.progressMin, 0);
    EXPECT_EQ(s.ui.progressMax, 224);
    EXPECT_EQ(s.ui.progressValue, 0);
    EXPECT_EQ(s.ui.processEventsCalls, 224);  // the window repaints before every page
}

struct WriteFaultCase {
    const char* name;
    const char* fault;
    int lastWritten;                    // pages logged as written (counted from 1)
    bool failedPageMayBeTaken = false;  // sent, and the device stayed without a whole reply
};

class WriteEepromFault : public ::testing::TestWithParam<WriteFaultCase> {};

TEST_P(WriteEepromFault, StopsAtTheFailingPage) {
    const WriteFaultCase& c = GetParam();
    SimLink s;
    s.device.fault = sim::parseFault(c.fault);
    ASSERT_TRUE(s.device.fault);
    ASSERT_TRUE(s.link.FindDevice());
    const ConfigImage image = patternImage();

    EXPECT_FALSE(WriteEeprom(s.link, image));

    std::vector<std::string> expected =
        concat({{std::string(kFoundLine)},
                pageLines("Page written: ", 1, c.lastWritten, 224),
                {"Page write error: " + std::to_string(c.lastWritten + 1) + "/224"}});
    // Pages 1..41 hold the configuration block: the device is left with part
    // of it, unless it took no page at all.
    if ((c.lastWritten > 0 || c.failedPageMayBeTaken) && c.lastWritten + 1 <= 41)
        expected.push_back(std::string(kIncompleteConfigurationLine));
    EXPECT_EQ(s.ui.logLines(), expected);
    EXPECT_EQ(s.ui.progressValue, c.lastWritten);
    // Nothing is sent after the failing page.
    const std::size_t sent = static_cast<std::size_t>(c.lastWritten + 1);
    EXPECT_EQ(s.device.requests, sent);
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + c.lastWritten * 32, s.device.memory.begin()));
    EXPECT_TRUE(std::all_of(s.device.memory.begin() + (c.lastWritten + 1) * 32, s.device.memory.end(),
                            [](std::uint8_t b) { return b == 0xFF; }));
}

INSTANTIATE_TEST_SUITE_P(Faults, WriteEepromFault,
                         ::testing::Values(WriteFaultCase{"FirstPageRefused", "refuse:0", 0},
                                           WriteFaultCase{"SeventeenthPageRefused", "refuse:16", 16},
                                           WriteFaultCase{"LastBlockPageRefused", "refuse:40", 40},
                                           WriteFaultCase{"FirstPageAfterTheBlockRefused", "refuse:41", 41},
                                           // the rest of the reply repeats the request; only byte 1 differs
                                           WriteFaultCase{"WrongEcho", "bad-echo:100", 100},
                                           WriteFaultCase{"ShortReply", "short:5", 5},
                                           WriteFaultCase{"NoReply", "silent:223", 223},
                                           WriteFaultCase{"DeviceGone", "gone:30", 30},
                                           WriteFaultCase{"DeviceGoneAtTheFirstPage", "gone:0", 0},
                                           WriteFaultCase{"NoReplyToTheFirstPage", "silent:0", 0, true},
                                           WriteFaultCase{"ShortReplyToTheFirstPage", "short:0", 0, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WriteEeprom, ReplyFieldsBeyondTheEchoAreNotExamined) {
    for (const char* fault : {"wrong-page:3", "bad-sum:3"}) {
        SimLink s;
        s.device.fault = sim::parseFault(fault);
        ASSERT_TRUE(s.link.FindDevice());
        EXPECT_TRUE(WriteEeprom(s.link, patternImage())) << fault;
    }
}

TEST(ReadEeprom, AllPagesReadWithLinesAndProgressBackAtZero) {
    SimLink s;
    s.device.memory = patternImage();
    ASSERT_TRUE(s.link.FindDevice());
    ConfigImage image{};

    EXPECT_TRUE(ReadEeprom(s.link, image));

    EXPECT_EQ(image, s.device.memory);
    EXPECT_EQ(s.ui.logLines(), concat({{std::string(kFoundLine)}, pageLines("Page read: ", 1, 224, 224)}));
    EXPECT_EQ(s.ui.progressMax, 224);
    EXPECT_EQ(s.ui.progressValue, 0);
    EXPECT_EQ(s.ui.processEventsCalls, 224);
}

// A firmware page may take the device longer to flash than a configuration
// page takes to store: its reply is awaited for longer.
TEST(PageRequests, EachRequestAwaitsItsReplyForItsOwnLimit) {
    const std::array<std::uint8_t, 32> page{};
    const struct {
        const char* name;
        std::function<bool(DeviceLink&)> send;
        std::chrono::milliseconds limit;
    } cases[] = {
        {"configuration page write", [&](DeviceLink& l) { return WriteEepromPage(l, page, 1); },
         std::chrono::seconds(1)},
        {"configuration page read",
         [](DeviceLink& l) {
             std::array<std::uint8_t, 32> into{};
             return ReadEepromPage(l, into, 1);
         },
         std::chrono::seconds(1)},
        {"firmware page write", [&](DeviceLink& l) { return WriteFirmwarePage(l, page, 1); },
         std::chrono::seconds(5)},
    };
    for (const auto& c : cases) {
        FakeTransport transport;  // no reply queued: every limit runs out
        transport.devices = {{0x0483, 0xA050, "p"}};
        RecordingUi ui;
        DeviceLink link(transport, ui);
        ASSERT_TRUE(link.FindDevice());
        EXPECT_FALSE(c.send(link)) << c.name;
        EXPECT_EQ(transport.readLimits, std::vector<std::chrono::milliseconds>{c.limit}) << c.name;
    }
}

struct ReadFaultCase {
    const char* name;
    const char* fault;
    bool succeeds;
    int failingPage;  // counted from 0
};

class ReadEepromFault : public ::testing::TestWithParam<ReadFaultCase> {};

TEST_P(ReadEepromFault, FailingPageAndLaterOnesKeepTheirContent) {
    const ReadFaultCase& c = GetParam();
    SimLink s;
    s.device.memory = patternImage();
    s.device.fault = sim::parseFault(c.fault);
    ASSERT_TRUE(s.device.fault);
    ASSERT_TRUE(s.link.FindDevice());
    ConfigImage image;
    image.fill(0x5A);

    EXPECT_EQ(ReadEeprom(s.link, image).ok(), c.succeeds);

    if (c.succeeds) {
        EXPECT_EQ(image, s.device.memory);
        return;
    }
    const int n = c.failingPage;
    EXPECT_EQ(s.ui.logLines(), concat({{std::string(kFoundLine)},
                                       pageLines("Page read: ", 1, n, 224),
                                       {"Page read error: " + std::to_string(n + 1) + "/224"}}));
    EXPECT_EQ(s.ui.progressValue, n);
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + n * 32, s.device.memory.begin()));
    EXPECT_TRUE(std::all_of(image.begin() + n * 32, image.end(), [](std::uint8_t b) { return b == 0x5A; }));
}

INSTANTIATE_TEST_SUITE_P(Faults, ReadEepromFault,
                         ::testing::Values(ReadFaultCase{"Refused", "refuse:0", false, 0},
                                           ReadFaultCase{"SumDoesNotMatchData", "bad-sum:40", false, 40},
                                           ReadFaultCase{"WrongEcho", "bad-echo:41", false, 41},
                                           ReadFaultCase{"ShortReply", "short:7", false, 7},
                                           ReadFaultCase{"NoReply", "silent:100", false, 100},
                                           ReadFaultCase{"DeviceGone", "gone:223", false, 223},
                                           ReadFaultCase{"OtherPageNumberAccepted", "wrong-page:12", true,
                                                         0}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zeru::test
