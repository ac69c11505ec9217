// SPDX-License-Identifier: GPL-3.0-or-later
// The ReportTransport of the browser: the device flows' requests and replies
// travel through the page's object `Module.zeruHid` (hid-transport.js backs
// it with navigator.hid). Each call waits for the browser's promise while the
// C++ flow stands still (Asyncify), so the flows are the same ones the
// desktop runs.
#pragma once

#include "device/report_transport.h"

namespace zeru::web {

class WebHidTransport final : public ReportTransport {
public:
    std::vector<HidDeviceInfo> enumerate() override;
    Outcome open(const std::string& path) override;
    int write(const Report& request) override;
    int read(Report& reply, std::chrono::milliseconds limit) override;
    void close() override;
};

}  // namespace zeru::web
