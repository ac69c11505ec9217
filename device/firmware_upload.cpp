// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/firmware_upload.h"

#include <algorithm>

#include "device/eeprom_transfer.h"
#include "device/page_requests.h"

namespace zeru {

bool UploadFirmware(DeviceLink& link, const FirmwareSource& source, FirmwareBuffer buffer) {
    UserInterface& ui = link.ui();
    const std::optional<std::span<const std::uint8_t>> image = source(kFirmwareResourceId);
    if (!image) {
        ui.information("Firmware resource not found (FindResource).");
        return false;
    }
    if (image->size() > kFirmwareBufferSize) {
        ui.information("Firmware file too long.");
        return false;
    }
    // The buffer is cleared first so that the last page is padded with zeros
    // even when an earlier, longer image was uploaded in this run.
    std::fill(buffer.begin(), buffer.end(), std::uint8_t{0});
    std::copy(image->begin(), image->end(), buffer.begin());
    const std::size_t pageCount = (image->size() + kPageSize - 1) / kPageSize;

    ui.setProgress(0);
    ui.setProgressRange(0, static_cast<int>(pageCount));
    for (std::size_t i = 0; i < pageCount; ++i) {
        ui.processEvents();
        const PageBytes page(buffer.data() + i * kPageSize, kPageSize);
        if (!WriteFirmwarePage(link, page, static_cast<std::uint16_t>(i))) {
            ui.log(pageLine("Page write error: ", i + 1, pageCount));
            return false;
        }
        ui.log(pageLine("Page written: ", i + 1, pageCount));
        ui.stepProgress();
    }
    ui.log("Firmware upgrade success");
    ui.setProgress(0);
    return true;
}

}  // namespace zeru
