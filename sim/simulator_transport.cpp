// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/simulator_transport.h"

#include <algorithm>

namespace zeru::sim {

std::vector<HidDeviceInfo> SimulatorTransport::enumerate() {
    std::vector<HidDeviceInfo> found;
    for (const SimulatedDevice& d : devices_)
        if (d.state->present) found.push_back({kZeruVendorId, kZeruProductId, d.path, d.state->serialNumber});
    return found;
}

Outcome SimulatorTransport::open(const std::string& path) {
    close();
    auto it = std::find_if(devices_.begin(), devices_.end(),
                           [&](const SimulatedDevice& d) { return d.path == path; });
    if (it == devices_.end() || !it->state->present) return cannotOpen("the device is no longer there");
    if (!openFailure_.empty()) return cannotOpen(openFailure_);
    open_ = it->state;
    ++opens_;
    return {};
}

int SimulatorTransport::write(const Report& request) {
    if (open_ == nullptr || !open_->present) return -1;
    HidReport report;
    std::copy(request.begin() + 1, request.end(), report.begin());  // byte 0 is the report number
    pending_ = respond(*open_, report);
    return static_cast<int>(request.size());
}

int SimulatorTransport::read(Report& reply, std::chrono::milliseconds /*limit*/) {
    if (open_ == nullptr || !open_->present) return -1;
    if (!pending_) return 0;  // no reply: the time limit expires, without the wait
    reply.fill(0);
    std::copy_n(pending_->bytes.begin(), pending_->size, reply.begin() + 1);
    const int delivered = static_cast<int>(pending_->size) + 1;
    pending_.reset();
    return delivered;
}

void SimulatorTransport::close() {
    open_ = nullptr;
    pending_.reset();
}

}  // namespace zeru::sim
