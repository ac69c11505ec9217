// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of pcapng and of the Linux usbmon capture header (link type 220,
// LINKTYPE_USB_LINUX_MMAPPED) that the trace writer and reader share.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zeru::trace::pcapng {

inline constexpr std::uint32_t kSectionHeaderBlock = 0x0A0D0D0A;
inline constexpr std::uint32_t kInterfaceDescriptionBlock = 0x00000001;
inline constexpr std::uint32_t kEnhancedPacketBlock = 0x00000006;
inline constexpr std::uint32_t kByteOrderMagic = 0x1A2B3C4D;
inline constexpr std::uint16_t kLinkTypeUsbLinuxMmapped = 220;

inline constexpr std::uint16_t kOptionEnd = 0;
inline constexpr std::uint16_t kOptionComment = 1;
inline constexpr std::uint16_t kOptionShbUserApplication = 4;
inline constexpr std::uint16_t kOptionIfTsResolution = 9;

// The usbmon header that precedes every URB's data.
inline constexpr std::size_t kUsbHeaderSize = 64;
inline constexpr char kSubmit = 'S';
inline constexpr char kComplete = 'C';
inline constexpr char kError = 'E';
inline constexpr std::uint8_t kInterruptTransfer = 1;
inline constexpr std::uint8_t kControlTransfer = 2;

// URB statuses (negative errno values, as Linux reports them).
inline constexpr std::int32_t kInProgress = -115;  // -EINPROGRESS: every submission
inline constexpr std::int32_t kTimedOut = -110;    // -ETIMEDOUT: no reply within the time limit
inline constexpr std::int32_t kNoDevice = -19;     // -ENODEV: the device is gone
inline constexpr std::int32_t kBrokenPipe = -32;   // -EPIPE: the device took no byte
inline constexpr std::int32_t kShortReply = -121;  // -EREMOTEIO: a reply shorter than a report

// Where the notes about the device (enumerate, open, close), the command line
// and the log lines are kept: comments of the section header, which a
// protocol analyser shows with the file's properties.
inline constexpr std::string_view kStepComment = "zeru-trace step\t";
inline constexpr std::string_view kCommandComment = "zeru-trace command\t";
inline constexpr std::string_view kLogComment = "zeru-trace log\n";

// Fields of a comment are separated by tabs; these escape what would break them.
std::string escapeField(std::string_view text);
std::string unescapeField(std::string_view text);

}  // namespace zeru::trace::pcapng
