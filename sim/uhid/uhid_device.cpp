// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/uhid/uhid_device.h"

#include <fcntl.h>
#include <linux/uhid.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace zeru::uhid {

namespace {

std::string openError(const std::string& path, int error) {
    if (error == ENOENT || error == ENODEV || error == ENXIO)
        return path + " does not exist: the kernel's uhid module is not loaded (run \"sudo modprobe uhid\")";
    if (error == EACCES || error == EPERM)
        return "no permission to open " + path +
               ": run as root, or give your user read and write access to it (for example with a udev rule)";
    return "cannot open " + path + ": " + std::strerror(error);
}

Failure deviceFailure(std::string why) { return Failure::of(FailureKind::DeviceFailed, std::move(why)); }

// Copies as much of `text` as fits before the field's closing zero.
void copyText(std::uint8_t* field, std::size_t size, const std::string& text) {
    const std::size_t length = std::min(text.size(), size - 1);
    std::copy_n(text.begin(), length, field);
    field[length] = 0;
}

}  // namespace

Result<std::unique_ptr<UhidDevice>> UhidDevice::create(const std::string& uhidPath,
                                                       const DeviceIdentity& identity) {
    const int fd = ::open(uhidPath.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return deviceFailure(openError(uhidPath, errno));
    std::unique_ptr<UhidDevice> device(new UhidDevice(fd));

    uhid_event event{};
    event.type = UHID_CREATE2;
    auto& create = event.u.create2;
    copyText(create.name, sizeof create.name, identity.name);
    copyText(create.phys, sizeof create.phys, "zeru-sim");
    copyText(create.uniq, sizeof create.uniq, identity.serialNumber);  // hidapi's serial_number
    if (identity.descriptor.size() > sizeof create.rd_data)
        return deviceFailure("report descriptor too long");
    std::copy(identity.descriptor.begin(), identity.descriptor.end(), create.rd_data);
    create.rd_size = static_cast<std::uint16_t>(identity.descriptor.size());
    create.bus = BUS_USB;
    create.vendor = identity.vendor;
    create.product = identity.product;
    create.version = identity.version;
    if (const Outcome sent = device->sendEvent(&event, sizeof event); !sent)
        return deviceFailure("cannot create the device through " + uhidPath + ": " + sent.failure().text);
    return device;
}

UhidDevice::~UhidDevice() {
    uhid_event event{};
    event.type = UHID_DESTROY;
    static_cast<void>(sendEvent(&event, sizeof event));  // closing the node would remove it too
    ::close(fd_);
}

Outcome UhidDevice::sendEvent(const void* event, std::size_t size) {
    const ssize_t written = ::write(fd_, event, size);
    if (written == static_cast<ssize_t>(size)) return {};
    return deviceFailure(written < 0 ? std::strerror(errno) : "short write");
}

Outcome UhidDevice::sendInput(std::span<const std::uint8_t> report) {
    uhid_event event{};
    event.type = UHID_INPUT2;
    if (report.size() > sizeof event.u.input2.data) return deviceFailure("report too long");
    std::copy(report.begin(), report.end(), event.u.input2.data);
    event.u.input2.size = static_cast<std::uint16_t>(report.size());
    return sendEvent(&event, sizeof event);
}

Result<std::optional<UhidDevice::Output>> UhidDevice::nextOutput(std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd waiting{fd_, POLLIN, 0};
        const int ready = ::poll(&waiting, 1, static_cast<int>(std::max<std::int64_t>(left.count(), 0)));
        if (ready < 0) {
            if (errno == EINTR) return std::optional<Output>();
            return deviceFailure(std::strerror(errno));
        }
        if (ready == 0) return std::optional<Output>();

        uhid_event event{};
        const ssize_t got = ::read(fd_, &event, sizeof event);
        if (got < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            return deviceFailure(std::strerror(errno));
        }
        switch (event.type) {
            case UHID_OUTPUT: {
                const auto& output = event.u.output;
                const std::size_t size = std::min<std::size_t>(output.size, sizeof output.data);
                return std::optional<Output>(
                    Output{std::vector<std::uint8_t>(output.data, output.data + size)});
            }
            case UHID_GET_REPORT: {
                // The device has no feature reports: refuse, so the asker does not wait.
                uhid_event reply{};
                reply.type = UHID_GET_REPORT_REPLY;
                reply.u.get_report_reply.id = event.u.get_report.id;
                reply.u.get_report_reply.err = EIO;
                static_cast<void>(sendEvent(&reply, sizeof reply));  // the asker stops waiting either way
                break;
            }
            case UHID_SET_REPORT: {
                uhid_event reply{};
                reply.type = UHID_SET_REPORT_REPLY;
                reply.u.set_report_reply.id = event.u.set_report.id;
                reply.u.set_report_reply.err = EIO;
                static_cast<void>(sendEvent(&reply, sizeof reply));  // the asker stops waiting either way
                break;
            }
            default:  // start, stop, open, close: nothing to do
                break;
        }
    }
}

}  // namespace zeru::uhid
