// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzed_reply_transport.h"

#include "device/device_link.h"
#include "fuzz_check.h"

namespace zeru::fuzz {

int FuzzedReplyTransport::write(const Report& request) {
    // Every request the configurator sends is unnumbered and names a command.
    ZERU_FUZZ_CHECK(request[0] == 0);
    ZERU_FUZZ_CHECK(request[kCommandOffset] >= kHardwareVersionCommand &&
                    request[kCommandOffset] <= kFirmwarePageWriteCommand);
    lastCommand_ = request[kCommandOffset];
    return inner_.write(request);
}

int FuzzedReplyTransport::read(Report& reply, std::chrono::milliseconds limit) {
    // No exchange may wait longer than its time limit: a firmware page's, or
    // the link's for every other request.
    ZERU_FUZZ_CHECK(limit == (lastCommand_ == kFirmwarePageWriteCommand ? DeviceLink::kFirmwarePageTimeLimit
                                                                        : DeviceLink::kReplyTimeLimit));
    int delivered = inner_.read(reply, limit);
    const std::uint8_t how = input_.byte();
    switch (how % 5) {
        case 0:  // the honest reply
            break;
        case 1: {  // the honest reply with input bytes mixed in
            Report mask;
            input_.fill(mask);
            for (std::size_t i = 0; i < reply.size(); ++i) reply[i] ^= mask[i];
            break;
        }
        case 2:  // a whole reply of input bytes
            input_.fill(reply);
            delivered = static_cast<int>(kReportSize);
            break;
        case 3:  // the honest reply, delivered in part, not at all or failing
            delivered = input_.byte() % (kReportSize + 2) - 1;
            break;
        case 4:  // input bytes, delivered in part
            input_.fill(reply);
            delivered = input_.byte() % (kReportSize + 2) - 1;
            break;
    }
    lastReply_ = reply;
    return delivered;
}

}  // namespace zeru::fuzz
