// SPDX-License-Identifier: GPL-3.0-or-later
// A HID device made by this program through the kernel's /dev/uhid: created
// with an identity and report descriptor, it receives the output reports that
// programs write to its hidraw node and sends input reports back. Linux only.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zeru::uhid {

inline constexpr const char* kDefaultUhidPath = "/dev/uhid";

struct DeviceIdentity {
    std::string name;
    std::uint32_t vendor = 0;
    std::uint32_t product = 0;
    std::uint32_t version = 0;
    std::span<const std::uint8_t> descriptor;
    std::string serialNumber = {};  // at most 63 bytes
};

class UhidDevice {
public:
    // Opens the uhid node and creates the device. On failure returns nullptr
    // and puts a message for the user into `error` (what is wrong and what to
    // do about it: load the module, get permission).
    static std::unique_ptr<UhidDevice> create(const std::string& uhidPath, const DeviceIdentity& identity,
                                              std::string& error);
    // Removes the device from the system.
    ~UhidDevice();
    UhidDevice(const UhidDevice&) = delete;
    UhidDevice& operator=(const UhidDevice&) = delete;

    struct Output {
        std::vector<std::uint8_t> bytes;  // as written to hidraw, report number first
    };
    // Waits at most `limit` for the next output report, answering the kernel's
    // other events on the way. nullopt when none came in time or the wait was
    // interrupted by a signal; `failed()` tells a broken device apart.
    std::optional<Output> nextOutput(std::chrono::milliseconds limit);
    // Sends one input report (the report bytes only: this device has no report numbers).
    bool sendInput(std::span<const std::uint8_t> report);

    bool failed() const { return failed_; }
    const std::string& lastError() const { return lastError_; }

private:
    explicit UhidDevice(int fd) : fd_(fd) {}
    bool sendEvent(const void* event, std::size_t size);

    int fd_;
    bool failed_ = false;
    std::string lastError_;
};

}  // namespace zeru::uhid
