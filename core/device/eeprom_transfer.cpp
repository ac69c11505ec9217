// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/eeprom_transfer.h"

#include <algorithm>
#include <array>

#include "device/page_requests.h"

namespace zeru {
namespace {

constexpr PageLoopLines kWriteLines{"Page written: ", "Page write error: ", "Eeprom write success"};
constexpr PageLoopLines kReadLines{"Page read: ", "Page read error: ", ""};

// Done when all pages were, else the first page that failed, told as its log line tells it.
Outcome pagesDone(std::size_t done, const PageLoopLines& lines) {
    if (done == kPageCount) return {};
    return Failure{FailureKind::DeviceFailed, std::nullopt, static_cast<int>(done + 1),
                   pageLine(lines.failed, done + 1, kPageCount)};
}

}  // namespace

Outcome WriteEeprom(DeviceLink& link, const ConfigImage& writeImage) {
    const std::size_t written = runPageLoop(link.ui(), kPageCount, kWriteLines, [&](std::size_t n) {
        const PageBytes page(writeImage.data() + n * kPageSize, kPageSize);
        return WriteEepromPage(link, page, static_cast<std::uint16_t>(n));
    });
    // Only a device that took a page holds something new: one that refused the
    // first page, or never got it, still holds its configuration as it was; one
    // that got it and did not answer may have written it.
    const bool changed = written > 0 || link.lastRequestUnanswered();
    if (changed && written < kConfigBlockPages)
        link.ui().log(Message::fromUtf8(kIncompleteConfigurationLine));
    return pagesDone(written, kWriteLines);
}

std::size_t readEepromPages(DeviceLink& link, ConfigImage& readImage) {
    return runPageLoop(link.ui(), kPageCount, kReadLines, [&](std::size_t n) {
        const std::span<std::uint8_t, kPageSize> page(readImage.data() + n * kPageSize, kPageSize);
        return ReadEepromPage(link, page, static_cast<std::uint16_t>(n));
    });
}

Outcome ReadEeprom(DeviceLink& link, ConfigImage& readImage) {
    return pagesDone(readEepromPages(link, readImage), kReadLines);
}

std::size_t verifyEepromPages(DeviceLink& link, const ConfigImage& writtenImage) {
    return runPageLoop(link.ui(), kPageCount, {"Page verified: ", "", ""}, [&](std::size_t n) {
        std::array<std::uint8_t, kPageSize> page{};
        const std::uint8_t* sent = writtenImage.data() + n * kPageSize;
        return ReadEepromPage(link, page, static_cast<std::uint16_t>(n)) &&
               std::equal(page.begin(), page.end(), sent);
    });
}

}  // namespace zeru
