// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/simulator_transport.h"

#include <algorithm>

namespace zeru::sim {

std::vector<HidDeviceInfo> SimulatorTransport::enumerate() {
    if (!device_.present) return {};
    return {HidDeviceInfo{kZeruVendorId, kZeruProductId, std::string(kPath)}};
}

bool SimulatorTransport::open(const std::string& path, std::string& whyNot) {
    close();
    if (!device_.present || path != kPath) {
        whyNot = "the device is no longer there";
        return false;
    }
    if (!openFailure_.empty()) {
        whyNot = openFailure_;
        return false;
    }
    open_ = true;
    ++opens_;
    return true;
}

int SimulatorTransport::write(const Report& request) {
    if (!open_ || !device_.present) return -1;
    HidReport report;
    std::copy(request.begin() + 1, request.end(), report.begin());  // byte 0 is the report number
    pending_ = respond(device_, report);
    return static_cast<int>(request.size());
}

int SimulatorTransport::read(Report& reply, std::chrono::milliseconds /*limit*/) {
    if (!open_ || !device_.present) return -1;
    if (!pending_) return 0;  // no reply: the time limit expires, without the wait
    reply.fill(0);
    std::copy_n(pending_->bytes.begin(), pending_->size, reply.begin() + 1);
    const int delivered = static_cast<int>(pending_->size) + 1;
    pending_.reset();
    return delivered;
}

void SimulatorTransport::close() {
    open_ = false;
    pending_.reset();
}

}  // namespace zeru::sim
