// SPDX-License-Identifier: GPL-3.0-or-later
// Moving a whole configuration image to or from the device, page by page, with
// one log line per page and the progress bar following.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "device/device_link.h"
#include "device/page_loop.h"
#include "image/config_image.h"
#include "settings/result.h"

namespace zeru {

// The pages that hold the configuration block (1..41 as the log counts them).
inline constexpr std::size_t kConfigBlockPages = (kConfigBlockSize + kPageSize - 1) / kPageSize;

inline constexpr std::string_view kIncompleteConfigurationLine =
    "The device now holds an incomplete configuration; write it again or restore a backup.";

// Sends the 224 pages of `writeImage`; stops at the first refused page (and
// says so when the device is left with part of a configuration block: some
// pages of it taken, or a page sent that no reply acknowledged, not all).
// Done when every page was acknowledged ("Eeprom write success" logged), else
// the failure of the first page refused (its number and its log line).
Outcome WriteEeprom(DeviceLink& link, const ConfigImage& writeImage);

// Reads the 224 pages into `readImage`; stops at the first failing page, which
// and whose followers keep their earlier content. Returns how many pages were
// read (224 when all).
std::size_t readEepromPages(DeviceLink& link, ConfigImage& readImage);
// readEepromPages: done when all 224 pages were read, else the failure of the
// first page that was not (its number and its log line).
Outcome ReadEeprom(DeviceLink& link, ConfigImage& readImage);

// Reads the 224 pages back and compares each with `writtenImage` ("Page
// verified: 17/224" for each). Returns how many pages matched before the first
// that differs or cannot be read (224 when all match); logs nothing else.
std::size_t verifyEepromPages(DeviceLink& link, const ConfigImage& writtenImage);

}  // namespace zeru
