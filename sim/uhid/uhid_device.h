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

#include "settings/result.h"

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
    // Opens the uhid node and creates the device. Else the failure
    // (DeviceFailed) whose text tells the user what is wrong and what to do
    // about it (load the module, get permission).
    static Result<std::unique_ptr<UhidDevice>> create(const std::string& uhidPath,
                                                      const DeviceIdentity& identity);
    // Removes the device from the system.
    ~UhidDevice();
    UhidDevice(const UhidDevice&) = delete;
    UhidDevice& operator=(const UhidDevice&) = delete;

    struct Output {
        std::vector<std::uint8_t> bytes;  // as written to hidraw, report number first
    };
    // Waits at most `limit` for the next output report, answering the kernel's
    // other events on the way. nullopt when none came in time or the wait was
    // interrupted by a signal; the failure (the system's reason) when the
    // device broke.
    Result<std::optional<Output>> nextOutput(std::chrono::milliseconds limit);
    // Sends one input report (the report bytes only: this device has no report
    // numbers); the failure (the system's reason) when it cannot be sent.
    Outcome sendInput(std::span<const std::uint8_t> report);

private:
    explicit UhidDevice(int fd) : fd_(fd) {}
    Outcome sendEvent(const void* event, std::size_t size);

    int fd_;
};

}  // namespace zeru::uhid
