// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/device_simulator.h"

#include <algorithm>

namespace zeru::sim {

namespace {

// Offsets inside the 64-byte report (one less than in the configurator's
// 65-byte buffer, whose byte 0 is the report number).
constexpr std::size_t kCommand = 0;
constexpr std::size_t kPageNumber = 1;
constexpr std::size_t kPageData = 3;
constexpr std::size_t kPageSum = 35;
constexpr std::size_t kVersion = 1;

constexpr std::uint8_t kHardwareVersion = 0xFA;
constexpr std::uint8_t kFirmwareVersion = 0xFB;
constexpr std::uint8_t kPageRead = 0xFC;
constexpr std::uint8_t kPageWrite = 0xFD;
constexpr std::uint8_t kFirmwarePageWrite = 0xFE;

std::uint16_t get16(const HidReport& r, std::size_t at) {
    return static_cast<std::uint16_t>(r[at] | (r[at + 1] << 8));
}

void put16(HidReport& r, std::size_t at, std::uint16_t value) {
    r[at] = static_cast<std::uint8_t>(value & 0xFF);
    r[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

std::uint16_t sumOf(const std::uint8_t* page) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < kPageSize; ++i) sum += page[i];
    return static_cast<std::uint16_t>(sum);
}

bool isPageRequest(std::uint8_t command) {
    return command == kPageRead || command == kPageWrite || command == kFirmwarePageWrite;
}

bool faultHits(const Fault& fault, const HidReport& request) {
    const std::uint8_t command = request[kCommand];
    switch (fault.target) {
        case FaultTarget::FirmwareVersion:
            return command == kFirmwareVersion;
        case FaultTarget::HardwareVersion:
            return command == kHardwareVersion;
        case FaultTarget::Page:
            return isPageRequest(command) && get16(request, kPageNumber) == fault.page;
    }
    return false;
}

SimReply refusal() { return SimReply{}; }

bool sumMatches(const HidReport& request) {
    return sumOf(request.data() + kPageData) == get16(request, kPageSum);
}

SimReply storeConfigPage(DeviceState& state, const HidReport& request) {
    const std::size_t page = get16(request, kPageNumber);
    if (page >= kPageCount || !sumMatches(request)) return refusal();
    std::copy_n(request.begin() + kPageData, kPageSize, state.memory.begin() + page * kPageSize);
    return SimReply{request};  // the acknowledgement repeats the request
}

SimReply storeFirmwarePage(DeviceState& state, const HidReport& request) {
    const std::size_t page = get16(request, kPageNumber);
    if (page == 0) state.firmware.clear();  // page 0 starts a new image
    // Pages must come in order, each right after the last one accepted.
    if (page != state.firmware.size() / kPageSize || page >= kFirmwarePageLimit || !sumMatches(request))
        return refusal();
    state.firmware.insert(state.firmware.end(), request.begin() + kPageData,
                          request.begin() + kPageData + kPageSize);
    return SimReply{request};
}

// The acknowledgement of a page the memory did not keep as sent: "drop" keeps
// the old content, "flip" stores the page with the lowest bit of its first
// byte inverted.
SimReply storeSpoiledPage(DeviceState& state, const HidReport& request, FaultKind fault) {
    const std::size_t page = get16(request, kPageNumber);
    if (page >= kPageCount) return refusal();
    const std::size_t at = page * kPageSize;
    std::array<std::uint8_t, kPageSize> before{};
    std::copy_n(state.memory.begin() + at, kPageSize, before.begin());
    SimReply reply = storeConfigPage(state, request);
    if (reply.bytes[kCommand] != kPageWrite) return reply;
    if (fault == FaultKind::Drop)
        std::copy(before.begin(), before.end(), state.memory.begin() + at);
    else
        state.memory[at] ^= 0x01;
    return reply;
}

SimReply readConfigPage(const DeviceState& state, const HidReport& request) {
    const std::size_t page = get16(request, kPageNumber);
    if (page >= kPageCount) return refusal();
    SimReply reply;
    reply.bytes[kCommand] = kPageRead;
    put16(reply.bytes, kPageNumber, static_cast<std::uint16_t>(page));
    std::copy_n(state.memory.begin() + page * kPageSize, kPageSize, reply.bytes.begin() + kPageData);
    put16(reply.bytes, kPageSum, sumOf(reply.bytes.data() + kPageData));
    return reply;
}

SimReply firmwareVersion(const DeviceState& state) {
    SimReply reply;
    reply.bytes[kCommand] = kFirmwareVersion;
    for (std::size_t i = 0; i < 4; ++i)
        reply.bytes[kVersion + i] = static_cast<std::uint8_t>(state.firmwareVersion >> (8 * i));
    return reply;
}

SimReply hardwareVersion(const DeviceState& state) {
    SimReply reply;
    reply.bytes[kCommand] = kHardwareVersion;
    // A text of 63 bytes or more fills the report and has no zero byte.
    const std::size_t length = std::min(state.hardwareVersion.size(), kHidReportSize - kVersion);
    std::copy_n(state.hardwareVersion.begin(), length, reply.bytes.begin() + kVersion);
    return reply;
}

SimReply serve(DeviceState& state, const HidReport& request) {
    switch (request[kCommand]) {
        case kHardwareVersion:
            return hardwareVersion(state);
        case kFirmwareVersion:
            return firmwareVersion(state);
        case kPageRead:
            return readConfigPage(state, request);
        case kPageWrite:
            return storeConfigPage(state, request);
        case kFirmwarePageWrite:
            return storeFirmwarePage(state, request);
        default:
            return refusal();
    }
}

}  // namespace

ConfigImage erasedMemory() {
    ConfigImage memory;
    memory.fill(0xFF);
    return memory;
}

std::optional<SimReply> respond(DeviceState& state, const HidReport& request) {
    if (!state.present) return std::nullopt;
    ++state.requests;
    const std::optional<FaultKind> fault =
        state.fault && faultHits(*state.fault, request) ? std::optional(state.fault->kind) : std::nullopt;
    if (fault == FaultKind::Gone) {
        state.present = false;
        return std::nullopt;
    }
    if (fault == FaultKind::Refuse) return refusal();
    // A memory that does not take what it acknowledges; other requests of the
    // page are served as usual.
    if ((fault == FaultKind::Drop || fault == FaultKind::Flip) && request[kCommand] == kPageWrite)
        return storeSpoiledPage(state, request, *fault);

    // The other faults spoil the reply of a request the device has carried out.
    SimReply reply = serve(state, request);
    if (!fault) return reply;
    switch (*fault) {
        case FaultKind::BadSum:
            put16(reply.bytes, kPageSum, static_cast<std::uint16_t>(get16(reply.bytes, kPageSum) + 1));
            break;
        case FaultKind::BadEcho:
            reply.bytes[kCommand] =
                static_cast<std::uint8_t>(request[kCommand] ^ 0x01);  // a neighbour command
            break;
        case FaultKind::Short:
            reply.size = kHidReportSize / 2;
            break;
        case FaultKind::Silent:
            return std::nullopt;
        case FaultKind::WrongPage:
            if (isPageRequest(request[kCommand]))
                put16(reply.bytes, kPageNumber, static_cast<std::uint16_t>(get16(request, kPageNumber) + 1));
            break;
        case FaultKind::Refuse:
        case FaultKind::Gone:
        case FaultKind::Drop:
        case FaultKind::Flip:
            break;
    }
    return reply;
}

}  // namespace zeru::sim
