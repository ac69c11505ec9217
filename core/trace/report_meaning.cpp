// SPDX-License-Identifier: GPL-3.0-or-later
#include "trace/report_meaning.h"

#include <cstdio>

namespace zeru::trace {

std::string requestMeaning(const Report& request) {
    const int page = getLe16(request, kPageNumberOffset) + 1;
    const std::string ofConfiguration = std::to_string(page) + "/" + std::to_string(kPageCount);
    switch (request[kCommandOffset]) {
        case kHardwareVersionCommand:
            return "hardware version";
        case kFirmwareVersionCommand:
            return "firmware version";
        case kPageReadCommand:
            return "page read " + ofConfiguration;
        case kPageWriteCommand:
            return "page write " + ofConfiguration;
        case kFirmwarePageWriteCommand:
            return "firmware page " + std::to_string(page);
        default:
            break;
    }
    char unknown[24];
    std::snprintf(unknown, sizeof unknown, "command 0x%02X", request[kCommandOffset]);
    return unknown;
}

std::string reportHex(const Report& report, std::size_t count) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(count * 3);
    for (std::size_t i = 1; i <= count && i < report.size(); ++i) {
        if (i > 1) hex += ' ';
        hex += kHex[report[i] >> 4];
        hex += kHex[report[i] & 0x0F];
    }
    return hex;
}

}  // namespace zeru::trace
