// SPDX-License-Identifier: GPL-3.0-or-later
// Moving a whole configuration image to or from the device, page by page, with
// one log line per page and the progress bar following.
#pragma once

#include <string>
#include <string_view>

#include "device/device_link.h"
#include "image/config_image.h"

namespace zeru {

// Sends the 224 pages of `writeImage`; stops at the first refused page.
// True when every page was acknowledged ("Eeprom write success" logged).
bool WriteEeprom(DeviceLink& link, const ConfigImage& writeImage);

// Reads the 224 pages into `readImage`; stops at the first failing page, which
// and whose followers keep their earlier content. True when all were read.
bool ReadEeprom(DeviceLink& link, ConfigImage& readImage);

// "Page written: 17/224" and its kin: pages counted from 1.
std::string pageLine(std::string_view prefix, std::size_t pageFromOne, std::size_t pageCount);

}  // namespace zeru
