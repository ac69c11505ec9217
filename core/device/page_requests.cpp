// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/page_requests.h"

#include <algorithm>

namespace zeru {

Report pageWriteRequest(std::uint8_t command, PageBytes page, std::uint16_t pageNumber) {
    Report request = makeRequest(command);
    putLe16(request, kPageNumberOffset, pageNumber);
    std::copy(page.begin(), page.end(), request.begin() + kPageDataOffset);
    putLe16(request, kPageSumOffset, pageSum(page));
    return request;
}

namespace {

bool writePage(DeviceLink& link, std::uint8_t command, PageBytes page, std::uint16_t pageNumber,
               std::chrono::milliseconds limit) {
    const std::optional<Report> reply =
        link.TransferReport(pageWriteRequest(command, page, pageNumber), limit);
    return reply && (*reply)[kCommandOffset] == command;
}

}  // namespace

bool WriteEepromPage(DeviceLink& link, PageBytes page, std::uint16_t pageNumber) {
    return writePage(link, kPageWriteCommand, page, pageNumber, DeviceLink::kReplyTimeLimit);
}

bool WriteFirmwarePage(DeviceLink& link, PageBytes page, std::uint16_t pageNumber) {
    return writePage(link, kFirmwarePageWriteCommand, page, pageNumber, DeviceLink::kFirmwarePageTimeLimit);
}

bool ReadEepromPage(DeviceLink& link, std::span<std::uint8_t, kPageSize> destination,
                    std::uint16_t pageNumber) {
    Report request = makeRequest(kPageReadCommand);
    putLe16(request, kPageNumberOffset, pageNumber);
    const std::optional<Report> reply = link.TransferReport(request);
    if (!reply || (*reply)[kCommandOffset] != kPageReadCommand) return false;
    const PageBytes data(reply->data() + kPageDataOffset, kPageSize);
    if (pageSum(data) != getLe16(*reply, kPageSumOffset)) return false;
    std::copy(data.begin(), data.end(), destination.begin());
    return true;
}

}  // namespace zeru
