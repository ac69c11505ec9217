// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/hidapi_transport.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "device/device_link.h"
#include "support/recording_ui.h"

namespace zeru {
namespace {

// Runs on machines without the device (CI, build hosts): the real USB HID
// enumeration must find nothing and fail cleanly.
TEST(HidapiTransport, FindsNoDeviceWhereNoneIsAttached) {
    HidapiTransport transport;
    for (const HidDeviceInfo& d : transport.enumerate())
        if (d.vendorId == kZeruVendorId && d.productId == kZeruProductId)
            GTEST_SKIP() << "a Kestrovane Zeru is attached at " << d.path;

    test::RecordingUi ui;
    DeviceLink link(transport, ui);
    EXPECT_FALSE(link.FindDevice());
    EXPECT_EQ(ui.logLines(), (std::vector<std::string>{std::string(kNotFoundLine), notFoundAdviceLine()}));
    EXPECT_FALSE(link.TransferReport(makeRequest(kFirmwareVersionCommand)));

    const Outcome opened = transport.open("/dev/zeru-no-such-hidraw");
    ASSERT_FALSE(opened);
    EXPECT_EQ(opened.failure().text, "the device is no longer there");
    Report reply;
    EXPECT_EQ(transport.write(makeRequest(kFirmwareVersionCommand)), -1);
    EXPECT_EQ(transport.read(reply, std::chrono::milliseconds(1)), -1);
}

TEST(HidapiTransport, OpenFailureReasonsInPlainWords) {
    EXPECT_EQ(openFailureReason(EACCES), "permission denied");
    EXPECT_EQ(openFailureReason(EPERM), "permission denied");
    EXPECT_EQ(openFailureReason(ENOENT), "the device is no longer there");
    EXPECT_EQ(openFailureReason(EBUSY), "the device is in use");
    EXPECT_EQ(openFailureReason(0), "unknown error");
    EXPECT_EQ(openFailureReason(EIO), "input/output error");
}

}  // namespace
}  // namespace zeru
