// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/eeprom_transfer.h"

#include <string>

#include "device/page_requests.h"

namespace zeru {

std::string pageLine(std::string_view prefix, std::size_t pageFromOne, std::size_t pageCount) {
    std::string line(prefix);
    line += std::to_string(pageFromOne);
    line += '/';
    line += std::to_string(pageCount);
    return line;
}

namespace {

void startProgress(UserInterface& ui, std::size_t pageCount) {
    ui.setProgress(0);
    ui.setProgressRange(0, static_cast<int>(pageCount));
}

}  // namespace

bool WriteEeprom(DeviceLink& link, const ConfigImage& writeImage) {
    UserInterface& ui = link.ui();
    startProgress(ui, kPageCount);
    for (std::size_t n = 0; n < kPageCount; ++n) {
        const PageBytes page(writeImage.data() + n * kPageSize, kPageSize);
        if (!WriteEepromPage(link, page, static_cast<std::uint16_t>(n))) {
            ui.log(pageLine("Page write error: ", n + 1, kPageCount));
            return false;
        }
        ui.log(pageLine("Page written: ", n + 1, kPageCount));
        ui.stepProgress();
    }
    ui.log("Eeprom write success");
    ui.setProgress(0);
    return true;
}

bool ReadEeprom(DeviceLink& link, ConfigImage& readImage) {
    UserInterface& ui = link.ui();
    startProgress(ui, kPageCount);
    for (std::size_t n = 0; n < kPageCount; ++n) {
        const std::span<std::uint8_t, kPageSize> page(readImage.data() + n * kPageSize, kPageSize);
        if (!ReadEepromPage(link, page, static_cast<std::uint16_t>(n))) {
            ui.log(pageLine("Page read error: ", n + 1, kPageCount));
            return false;
        }
        ui.log(pageLine("Page read: ", n + 1, kPageCount));
        ui.stepProgress();
    }
    ui.setProgress(0);
    return true;
}

}  // namespace zeru
