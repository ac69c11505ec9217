// SPDX-License-Identifier: GPL-3.0-or-later
// How the device link reaches a HID device: the real one through hidapi, or
// the in-process simulator. One device is open at a time; several may be
// connected.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "device/report.h"
#include "settings/result.h"

namespace zeru {

// The failure of an open, `why` in plain words (DeviceFailed).
inline Failure cannotOpen(std::string why) { return Failure::of(FailureKind::DeviceFailed, std::move(why)); }

struct HidDeviceInfo {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::string path;               // what open() takes
    std::string serialNumber = {};  // UTF-8; empty when the device reports none
};

class ReportTransport {
public:
    virtual ~ReportTransport() = default;

    // Every present HID interface, in a stable order. Empty when there is none
    // or the system cannot be asked.
    virtual std::vector<HidDeviceInfo> enumerate() = 0;

    // Opens one device path for reading and writing. Else the failure
    // (cannotOpen) whose text is a short plain-words reason such as
    // "permission denied" (lower case, no full stop).
    virtual Outcome open(const std::string& path) = 0;

    // Sends one request (report number first). Returns how many bytes were
    // taken, -1 on failure.
    virtual int write(const Report& request) = 0;

    // Waits at most `limit` for one reply and puts it into `reply` with the
    // report bytes at 1..64. Returns the bytes delivered counted in that
    // framing (65 for a whole report), 0 when the time limit expired, -1 on
    // failure.
    virtual int read(Report& reply, std::chrono::milliseconds limit) = 0;

    // Closes what open() opened; closing when nothing is open does nothing.
    virtual void close() = 0;
};

}  // namespace zeru
