// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/firmware_upload.h"

#include <algorithm>

#include "device/page_loop.h"
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

    const std::size_t sent =
        runPageLoop(ui, pageCount, {"Page written: ", "Page write error: ", "Firmware upgrade success"},
                    [&](std::size_t i) {
                        const PageBytes page(buffer.data() + i * kPageSize, kPageSize);
                        return WriteFirmwarePage(link, page, static_cast<std::uint16_t>(i));
                    });
    return sent == pageCount;
}

}  // namespace zeru
