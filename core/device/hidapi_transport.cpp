// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/hidapi_transport.h"

#include <hidapi.h>

#include <cerrno>
#include <cstring>

#include "device/system_transport.h"
#include "device/wide_text.h"

namespace zeru {

std::unique_ptr<ReportTransport> makeSystemTransport() { return std::make_unique<HidapiTransport>(); }

std::string hidapiVersion() {
    const char* version = hid_version_str();
    return version != nullptr ? version : HID_API_VERSION_STR;
}

HidapiTransport::~HidapiTransport() {
    // No member is set here: the object is going. A library that fails to
    // shut down leaves nothing to be done at this point.
    if (device_ != nullptr) hid_close(device_);
    if (started_) static_cast<void>(hid_exit());
}

bool HidapiTransport::start() {
    if (!started_) started_ = hid_init() == 0;
    return started_;
}

std::vector<HidDeviceInfo> HidapiTransport::enumerate() {
    std::vector<HidDeviceInfo> devices;
    if (!start()) return devices;
    // Every HID interface, unfiltered: the caller matches vendor and product.
    hid_device_info* list = hid_enumerate(0, 0);
    for (const hid_device_info* d = list; d != nullptr; d = d->next) {
        devices.push_back({d->vendor_id, d->product_id, d->path != nullptr ? d->path : "",
                           d->serial_number != nullptr ? utf8FromWide(d->serial_number) : ""});
    }
    if (list != nullptr) hid_free_enumeration(list);
    return devices;
}

std::string openFailureReason(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return "permission denied";
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return "the device is no longer there";
        case EBUSY:
            return "the device is in use";
        case 0:
            return "unknown error";
        default: {
            std::string text = std::strerror(error);
            if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z')
                text[0] = static_cast<char>(text[0] - 'A' + 'a');
            return text;
        }
    }
}

Outcome HidapiTransport::open(const std::string& path) {
    close();
    if (!start()) return cannotOpen("the USB HID library could not start");
    errno = 0;
    device_ = hid_open_path(path.c_str());
    const int error = errno;
    if (device_ == nullptr) return cannotOpen(openFailureReason(error));
    return {};
}

int HidapiTransport::write(const Report& request) {
    if (device_ == nullptr) return -1;
    return hid_write(device_, request.data(), request.size());
}

int HidapiTransport::read(Report& reply, std::chrono::milliseconds limit) {
    if (device_ == nullptr) return -1;
    // hidapi leaves out the report number of input reports: the 64 report
    // bytes go to 1..64 so that every offset holds as in the request.
    reply[0] = 0;
    const int n =
        hid_read_timeout(device_, reply.data() + 1, reply.size() - 1, static_cast<int>(limit.count()));
    if (n <= 0) return n;  // 0: time limit expired; -1: failure
    return n + 1;
}

void HidapiTransport::close() {
    if (device_ != nullptr) {
        hid_close(device_);
        device_ = nullptr;
    }
}

}  // namespace zeru
