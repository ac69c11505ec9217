// SPDX-License-Identifier: GPL-3.0-or-later
// ReportTransport over the Windows HID API: SetupAPI lists the HID
// interfaces, HidD_* asks each for its vendor, product and serial number, and
// overlapped ReadFile/WriteFile carry the reports, so that a read waits no
// longer than its limit. The libraries are loaded when a device is first
// looked for or opened.
#pragma once

#include <memory>

#include "device/report_transport.h"
#include "device/windows_hid_library.h"

namespace zeru {

class WindowsHidTransport final : public ReportTransport {
public:
    explicit WindowsHidTransport(const HidLibraries::Names& libraryNames = {});
    ~WindowsHidTransport() override;
    WindowsHidTransport(const WindowsHidTransport&) = delete;
    WindowsHidTransport& operator=(const WindowsHidTransport&) = delete;

    std::vector<HidDeviceInfo> enumerate() override;
    Outcome open(const std::string& path) override;
    int write(const Report& request) override;
    int read(Report& reply, std::chrono::milliseconds limit) override;
    void close() override;

private:
    // The functions of the libraries, loaded on the first call; the failure
    // of HidLibraries::load when they cannot be.
    Result<const HidFunctions*> hidFunctions();

    class OpenDevice;
    HidLibraries::Names libraryNames_;
    std::unique_ptr<HidLibraries> libraries_;
    std::unique_ptr<OpenDevice> device_;
};

// The plain-words reason for a Win32 error code left by a failed open.
std::string windowsOpenFailureReason(unsigned long error);

}  // namespace zeru
