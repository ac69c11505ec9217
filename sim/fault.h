// SPDX-License-Identifier: GPL-3.0-or-later
// Faults the simulated device can be told to show at one request, to test how
// the configurator copes with a misbehaving device.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zeru::sim {

enum class FaultKind {
    Refuse,     // "refuse": answers with a refusal (zeros), the page is not stored
    BadSum,     // "bad-sum": the page sum field of the reply is off by one
    BadEcho,    // "bad-echo": the reply's command byte is another command's
    Short,      // "short": the reply is 32 bytes instead of 64
    Silent,     // "silent": no reply at all
    WrongPage,  // "wrong-page": the reply names the next page number
    Gone,       // "gone": the device disappears (unplugged) at this request
    Drop,       // "drop": a configuration page write is acknowledged, the memory keeps its old content
    Flip,       // "flip": a configuration page write is stored with one bit changed
};

// Which requests the fault hits.
enum class FaultTarget {
    Page,             // page read/write requests (0xFC, 0xFD, 0xFE) of one page number
    FirmwareVersion,  // every firmware version request (0xFB)
    HardwareVersion,  // every hardware version request (0xFA)
};

struct Fault {
    FaultKind kind = FaultKind::Refuse;
    FaultTarget target = FaultTarget::Page;
    int page = 0;  // counted from 0; only for FaultTarget::Page
    bool operator==(const Fault&) const = default;
};

std::string_view faultKindName(FaultKind kind);
std::optional<FaultKind> parseFaultKind(std::string_view name);

// "KIND:PAGE" with PAGE a page number counted from 0 (e.g. "refuse:16"), or
// "KIND:fw" / "KIND:hw" for the firmware / hardware version request.
// nullopt when the text is not of that form.
std::optional<Fault> parseFault(std::string_view text);
// The inverse of parseFault.
std::string formatFault(const Fault& fault);

}  // namespace zeru::sim
