// SPDX-License-Identifier: GPL-3.0-or-later
// ReportTransport over hidapi (hidraw backend on Linux). Create at most one per
// process: it starts the library on first use and shuts it down when destroyed.
#pragma once

#include "device/report_transport.h"

struct hid_device_;

namespace zeru {

class HidapiTransport final : public ReportTransport {
public:
    HidapiTransport() = default;
    ~HidapiTransport() override;
    HidapiTransport(const HidapiTransport&) = delete;
    HidapiTransport& operator=(const HidapiTransport&) = delete;

    std::vector<HidDeviceInfo> enumerate() override;
    Outcome open(const std::string& path) override;
    int write(const Report& request) override;
    int read(Report& reply, std::chrono::milliseconds limit) override;
    void close() override;

private:
    bool start();

    bool started_ = false;
    hid_device_* device_ = nullptr;
};

// The version of the hidapi library in use ("0.13.1").
std::string hidapiVersion();

// The plain-words reason for an errno value left by a failed open.
std::string openFailureReason(int error);

}  // namespace zeru
