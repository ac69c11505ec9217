// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/windows_hid_transport.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "device/device_link.h"
#include "interaction/utf8_path.h"
#include "support/recording_ui.h"
#include "support/unique_folder.h"

namespace zeru {
namespace {

// Runs where no device is attached (CI, Wine without a HID device): the
// enumeration must find none and every call fail cleanly.
TEST(WindowsHidTransport, FindsNoDeviceWhereNoneIsAttached) {
    WindowsHidTransport transport;
    for (const HidDeviceInfo& d : transport.enumerate())
        if (d.vendorId == kZeruVendorId && d.productId == kZeruProductId)
            GTEST_SKIP() << "a Kestrovane Zeru is attached at " << d.path;

    test::RecordingUi ui;
    DeviceLink link(transport, ui);
    EXPECT_FALSE(link.FindDevice());
    EXPECT_EQ(ui.logLines(), (std::vector<std::string>{std::string(kNotFoundLine), notFoundAdviceLine()}));

    const Outcome opened =
        transport.open("\\\\?\\hid#vid_0483&pid_a050#zeru-no-such#{4d1e55b2-f16f-11cf-88cb-001111000030}");
    ASSERT_FALSE(opened);
    EXPECT_EQ(opened.failure().text, "the device is no longer there");
    Report reply;
    EXPECT_EQ(transport.write(makeRequest(kFirmwareVersionCommand)), -1);
    EXPECT_EQ(transport.read(reply, std::chrono::milliseconds(1)), -1);
}

// What another program holding the device looks like to the open: the same
// sharing refusal as for any file that is held.
TEST(WindowsHidTransport, DeviceHeldByAnotherProgramIsSaidSo) {
    const auto folder = test::makeUniqueFolder("zeru-hid-test-");
    const std::filesystem::path held = folder / "held";
    const HANDLE holder = CreateFileW(held.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    WindowsHidTransport transport;
    const Outcome opened = transport.open(utf8FromPath(held));
    ASSERT_FALSE(opened);
    EXPECT_EQ(opened.failure().text, "the device is in use by another program");
    CloseHandle(holder);
    std::filesystem::remove_all(folder);
}

// The libraries come from the system folder when first needed; without one
// (or with a library that lacks a function) no device is found and the open
// says why.
TEST(WindowsHidTransport, MissingHidLibrariesAreSaidSo) {
    // The system's words for a missing module differ between Windows and Wine.
    const std::string notFound =
        "zeru-no-such.dll could not be loaded: " + windowsOpenFailureReason(ERROR_MOD_NOT_FOUND);
    const struct {
        HidLibraries::Names names;
        std::string whyNot;
    } cases[] = {
        {{}, ""},
        {{L"zeru-no-such.dll", L"hid.dll"}, notFound},
        {{L"setupapi.dll", L"zeru-no-such.dll"}, notFound},
        {{L"kernel32.dll", L"hid.dll"}, "kernel32.dll has no SetupDiGetClassDevsW"},
        {{L"setupapi.dll", L"kernel32.dll"}, "kernel32.dll has no HidD_GetHidGuid"},
    };
    for (const auto& c : cases) {
        const auto libraries = HidLibraries::load(c.names);
        EXPECT_EQ(libraries.ok(), c.whyNot.empty()) << c.whyNot;
        if (libraries) {
            EXPECT_NE((*libraries)->functions().getClassDevs, nullptr);
            EXPECT_NE((*libraries)->functions().getCaps, nullptr);
            continue;
        }
        EXPECT_EQ(libraries.failure().text, c.whyNot);
        WindowsHidTransport transport(c.names);
        EXPECT_TRUE(transport.enumerate().empty()) << c.whyNot;
        const Outcome opened = transport.open("\\\\?\\hid#vid_0483&pid_a050#zeru-no-such");
        ASSERT_FALSE(opened) << c.whyNot;
        EXPECT_EQ(opened.failure().text, c.whyNot);
    }
}

TEST(WindowsHidTransport, OpenFailureReasonsInPlainWords) {
    const struct {
        unsigned long error;
        const char* reason;
    } cases[] = {
        {ERROR_ACCESS_DENIED, "the device is in use by another program"},
        {ERROR_SHARING_VIOLATION, "the device is in use by another program"},
        {ERROR_FILE_NOT_FOUND, "the device is no longer there"},
        {ERROR_DEVICE_NOT_CONNECTED, "the device is no longer there"},
        {ERROR_GEN_FAILURE, "the device is no longer there"},
        {ERROR_SUCCESS, "unknown error"},
    };
    for (const auto& c : cases) EXPECT_EQ(windowsOpenFailureReason(c.error), c.reason) << c.error;
    // Any other: the system's own words, in the log's voice.
    const std::string other = windowsOpenFailureReason(ERROR_NOT_ENOUGH_MEMORY);
    ASSERT_FALSE(other.empty());
    EXPECT_FALSE(other[0] >= 'A' && other[0] <= 'Z') << other;
    EXPECT_NE(other.back(), '.') << other;
    EXPECT_NE(other.back(), '\n') << other;
}

}  // namespace
}  // namespace zeru
