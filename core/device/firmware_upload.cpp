// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/firmware_upload.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "device/page_loop.h"
#include "device/page_requests.h"

namespace zeru {

Outcome UploadFirmware(DeviceLink& link, const FirmwareSource& source, FirmwareBuffer buffer) {
    UserInterface& ui = link.ui();
    // Refused before anything is sent: told in an information box.
    const auto refused = [&ui](std::string_view text) {
        ui.information(Message::fromUtf8(text));
        return Failure::of(FailureKind::DeviceFailed, std::string(text));
    };
    const std::optional<std::span<const std::uint8_t>> image = source(kFirmwareResourceId);
    if (!image) return refused("Firmware resource not found (FindResource).");
    if (image->size() > kFirmwareBufferSize) return refused("Firmware file too long.");
    // The buffer is cleared first so that the last page is padded with zeros
    // even when an earlier, longer image was uploaded in this run.
    std::fill(buffer.begin(), buffer.end(), std::uint8_t{0});
    std::copy(image->begin(), image->end(), buffer.begin());
    const std::size_t pageCount = (image->size() + kPageSize - 1) / kPageSize;

    constexpr PageLoopLines kLines{"Page written: ", "Page write error: ", "Firmware upgrade success"};
    const std::size_t sent = runPageLoop(ui, pageCount, kLines, [&](std::size_t i) {
        const PageBytes page(buffer.data() + i * kPageSize, kPageSize);
        return WriteFirmwarePage(link, page, static_cast<std::uint16_t>(i));
    });
    if (sent == pageCount) return {};
    return Failure{FailureKind::DeviceFailed, std::nullopt, static_cast<int>(sent + 1),
                   pageLine(kLines.failed, sent + 1, pageCount)};
}

}  // namespace zeru
