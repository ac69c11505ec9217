// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the device link's overhead: the same configuration page
// exchanges that "Write config" and "Read config" make, done with nothing but
// hidapi calls against the first device with vendor 0x0483 and product 0xA050.
//
//   zeru-vm-bare-loop write|read|both   224 page writes, 224 page reads, or both
//
// The page contents are a fixed pattern; "read" checks that it comes back.
// Exit 0 on success, 1 on any failed or refused exchange.
#include <hidapi.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int kPages = 224;
constexpr int kPageSize = 32;
constexpr int kReportBytes = 65;  // report number 0, then the 64 report bytes

std::uint8_t patternByte(int page, int offset) {
    return static_cast<std::uint8_t>(page * 7 + offset * 13 + 1);
}

bool exchange(hid_device* device, const std::array<std::uint8_t, kReportBytes>& request,
              std::array<std::uint8_t, kReportBytes>& reply) {
    if (hid_write(device, request.data(), request.size()) != kReportBytes) return false;
    reply.fill(0);
    // hidapi gives the 64 input report bytes without a report number.
    return hid_read_timeout(device, reply.data() + 1, kReportBytes - 1, 1000) == kReportBytes - 1 &&
           reply[1] == request[1];
}

bool runPages(hid_device* device, bool write) {
    std::array<std::uint8_t, kReportBytes> request{}, reply{};
    for (int page = 0; page < kPages; ++page) {
        request.fill(0);
        request[1] = write ? 0xFD : 0xFC;
        request[2] = static_cast<std::uint8_t>(page & 0xFF);
        request[3] = static_cast<std::uint8_t>(page >> 8);
        unsigned sum = 0;
        for (int i = 0; i < kPageSize; ++i) {
            const std::uint8_t b = patternByte(page, i);
            if (write) request[4 + i] = b;
            sum += b;
        }
        if (write) {
            request[36] = static_cast<std::uint8_t>(sum & 0xFF);
            request[37] = static_cast<std::uint8_t>(sum >> 8);
        }
        if (!exchange(device, request, reply)) {
            std::fprintf(stderr, "zeru-vm-bare-loop: page %d failed\n", page);
            return false;
        }
        if (!write) {
            for (int i = 0; i < kPageSize; ++i)
                if (reply[4 + i] != patternByte(page, i)) {
                    std::fprintf(stderr, "zeru-vm-bare-loop: page %d byte %d differs\n", page, i);
                    return false;
                }
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc == 2 ? argv[1] : "";
    if (mode != "write" && mode != "read" && mode != "both") {
        std::fprintf(stderr, "usage: zeru-vm-bare-loop write|read|both\n");
        return 2;
    }
    if (hid_init() != 0) {
        std::fprintf(stderr, "zeru-vm-bare-loop: hid_init failed\n");
        return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    hid_device* device = hid_open(0x0483, 0xA050, nullptr);
    if (device == nullptr) {
        std::fprintf(stderr, "zeru-vm-bare-loop: no device 0483:A050\n");
        hid_exit();
        return 1;
    }
    const auto opened = std::chrono::steady_clock::now();
    const bool ok =
        (mode == "read" || runPages(device, true)) && (mode == "write" || runPages(device, false));
    hid_close(device);
    const auto done = std::chrono::steady_clock::now();
    using Ms = std::chrono::duration<double, std::milli>;
    // Finding the device (hidapi reads sysfs) costs far more than one exchange;
    // its share is given apart.
    std::printf(
        "bare hidapi %s: %d pages in %.1f ms (finding and opening the device %.1f ms, exchanges %.1f ms)\n",
        mode.c_str(), mode == "both" ? 2 * kPages : kPages, Ms(done - start).count(),
        Ms(opened - start).count(), Ms(done - opened).count());
    if (hid_exit() != 0) return 1;
    return ok ? 0 : 1;
}
