// SPDX-License-Identifier: GPL-3.0-or-later
// Finding, opening and closing the device, and the one request/reply exchange
// that every device request is made of.
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "device/device_selector.h"
#include "device/report.h"
#include "device/report_transport.h"
#include "interaction/user_interface.h"
#include "settings/result.h"

namespace zeru {

inline constexpr std::string_view kFoundLine = "Kestrovane Zeru found, vid: Vid_0483, pid: A050";

// Where an installed user reads how to give themselves access to the device.
inline constexpr std::string_view kDeviceAccessDocumentation =
    "man zeru-cli and /usr/share/doc/kestrovane-zeru-configurator/";

// The line logged right after the not-found line: what to check. It differs
// between the systems: each has its own source (device_access_*.cpp).
std::string notFoundAdviceLine();

// The line logged after the found line when the device cannot be opened.
std::string openFailureLine(std::string_view reason);

// One operation's hold on the device: opened by FindDevice, closed by
// CloseDevice or, at the latest, when the link is destroyed.
class DeviceLink {
public:
    // A device that stops answering must not hang the window: every reply is
    // awaited this long at most, and its absence fails the exchange.
    static constexpr std::chrono::milliseconds kReplyTimeLimit{1000};
    // Flashing a firmware page may take the device longer than storing a
    // configuration page; an upload stopped half-way leaves it without firmware.
    static constexpr std::chrono::milliseconds kFirmwarePageTimeLimit{5000};

    // `selector` (when given) says which of several devices FindDevice opens.
    DeviceLink(ReportTransport& transport, UserInterface& ui, const DeviceSelector* selector = nullptr)
        : transport_(transport), ui_(ui), selector_(selector) {}
    ~DeviceLink() { CloseDevice(); }
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // Opens the first enumerated interface with vendor 0x0483 and product
    // 0xA050 (or the chosen one) and logs the found line, or the not-found
    // line and what to check. Done when the device is open. Else NoDevice,
    // its text the lines logged; or, for a device found that cannot be
    // opened, DeviceFailed, its text the second line, which says why (every
    // exchange fails then).
    Outcome FindDevice();
    void CloseDevice();
    // One request and its reply; nullopt when fewer than 65 bytes went either
    // way, the reply did not come within `limit`, or the device is not open.
    std::optional<Report> TransferReport(const Report& request,
                                         std::chrono::milliseconds limit = kReplyTimeLimit);

    bool isOpen() const { return open_; }
    // Whether the last request reached the device, which is still there, and
    // no whole reply came: the device may have acted on it.
    bool lastRequestUnanswered() const { return unanswered_; }
    UserInterface& ui() const { return ui_; }

private:
    ReportTransport& transport_;
    UserInterface& ui_;
    const DeviceSelector* selector_;
    bool open_ = false;
    bool unanswered_ = false;
};

}  // namespace zeru
