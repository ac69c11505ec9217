// SPDX-License-Identifier: GPL-3.0-or-later
// The three page requests: configuration page write and read, firmware page
// write. Each is one exchange on an open link followed by its reply check.
#pragma once

#include <cstdint>
#include <span>

#include "device/device_link.h"
#include "device/report.h"

namespace zeru {

// A page write request (configuration 0xFD or firmware 0xFE): page number,
// the 32 bytes and their sum; zeros after them.
Report pageWriteRequest(std::uint8_t command, PageBytes page, std::uint16_t pageNumber);

// True when the device acknowledged the page (reply byte 1 is 0xFD).
bool WriteEepromPage(DeviceLink& link, PageBytes page, std::uint16_t pageNumber);

// True when a page came back with the right echo and a matching sum; only then
// is `destination` written. The page number in the reply is not compared.
bool ReadEepromPage(DeviceLink& link, std::span<std::uint8_t, kPageSize> destination,
                    std::uint16_t pageNumber);

// True when the device accepted the firmware page (reply byte 1 is 0xFE),
// its reply awaited for the firmware page limit.
bool WriteFirmwarePage(DeviceLink& link, PageBytes page, std::uint16_t pageNumber);

}  // namespace zeru
