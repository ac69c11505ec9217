// SPDX-License-Identifier: GPL-3.0-or-later
#include "trace/pcapng_writer.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <span>

#include "device/usb_descriptors.h"
#include "trace/pcapng_format.h"

namespace zeru::trace {
namespace {

using namespace pcapng;

// The bus and address a real device might have; a trace has only this one.
constexpr std::uint16_t kBusNumber = 1;
constexpr std::uint8_t kDeviceAddress = 2;
constexpr std::uint32_t kUrbDirectionIn = 0x200;  // URB_DIR_IN among the URB's transfer flags

// Little-endian appending; pcapng's byte order magic then says so.
class Bytes {
public:
    explicit Bytes(std::string& out) : out_(out) {}
    void u8(std::uint8_t v) { out_ += static_cast<char>(v); }
    void u16(std::uint16_t v) {
        u8(static_cast<std::uint8_t>(v));
        u8(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v) {
        u16(static_cast<std::uint16_t>(v));
        u16(static_cast<std::uint16_t>(v >> 16));
    }
    void u64(std::uint64_t v) {
        u32(static_cast<std::uint32_t>(v));
        u32(static_cast<std::uint32_t>(v >> 32));
    }
    void raw(std::span<const std::uint8_t> bytes) { out_.append(bytes.begin(), bytes.end()); }
    void text(std::string_view t) { out_ += t; }
    void pad() {
        while (out_.size() % 4 != 0) u8(0);
    }
    std::size_t size() const { return out_.size(); }
    // Total lengths stand before and after the body; the first is filled in at the end.
    void patch32(std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out_[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    }

private:
    std::string& out_;
};

void option(Bytes& b, std::uint16_t code, std::string_view value) {
    b.u16(code);
    b.u16(static_cast<std::uint16_t>(value.size()));
    b.text(value);
    b.pad();
}

// A block: type, length, body from `fill`, length again.
template <typename Fill>
void block(std::string& out, std::uint32_t type, Fill fill) {
    Bytes b(out);
    const std::size_t start = b.size();
    b.u32(type);
    b.u32(0);
    fill(b);
    b.pad();
    const auto length = static_cast<std::uint32_t>(b.size() - start + 4);
    b.u32(length);
    b.patch32(start + 4, length);
}

// Notes about the device, the command line and the log lines, which carry
// no USB packet of their own (see pcapng_format.h).
std::vector<std::string> comments(const Trace& trace) {
    std::vector<std::string> all;
    if (!trace.commandLine.empty()) {
        std::string line(kCommandComment);
        for (std::size_t i = 0; i < trace.commandLine.size(); ++i)
            line += (i ? "\t" : "") + escapeField(trace.commandLine[i]);
        all.push_back(line);
    }
    std::size_t exchanges = 0;
    for (const Step& step : trace.steps) {
        if (isExchange(step)) {
            ++exchanges;
            continue;
        }
        std::string note(kStepComment);
        note += std::to_string(exchanges) + '\t' + std::to_string(step.startMicros) + '\t' +
                std::to_string(step.endMicros) + '\t';
        switch (step.kind) {
            case StepKind::Enumerate:
                note += "enumerate";
                for (const HidDeviceInfo& d : step.devices) {
                    char ids[16];
                    std::snprintf(ids, sizeof ids, "%04x:%04x", d.vendorId, d.productId);
                    note += '\t' + std::string(ids) + '\t' + escapeField(d.serialNumber) + '\t' +
                            escapeField(d.path);
                }
                break;
            case StepKind::Open:
                note += std::string(step.result ? "open" : "open-failed") + '\t' + escapeField(step.path) +
                        '\t' + escapeField(step.whyNot);
                break;
            default:
                note += "close";
                break;
        }
        all.push_back(note);
    }
    // An option holds at most 65535 bytes: a long log takes several comments.
    constexpr std::size_t kCommentLimit = 65535 - kLogComment.size() - 1;
    std::string log(kLogComment);
    for (const std::string& line : trace.logLines) {
        if (log.size() + line.size() + 1 > kCommentLimit + kLogComment.size() &&
            log.size() > kLogComment.size()) {
            all.push_back(log);
            log = kLogComment;
        }
        log += line.substr(0, kCommentLimit) + '\n';
    }
    if (log.size() > kLogComment.size()) all.push_back(log);
    return all;
}

struct Urb {
    std::uint64_t id = 0;
    char event = kSubmit;
    std::uint8_t transfer = kInterruptTransfer;
    std::uint8_t endpoint = kInterruptOutEndpoint;
    std::int64_t micros = 0;  // since the epoch
    std::int32_t status = 0;
    std::uint32_t length = 0;  // requested or done
    std::span<const std::uint8_t> data = {};
    const std::uint8_t* setup = nullptr;  // 8 bytes, control submissions only
};

// Little-endian stores into a packet being built (pcapng's byte order magic
// says which order the file has).
template <typename Value>
void store(std::uint8_t* at, Value value) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(at, &value, sizeof value);
    } else {
        for (std::size_t i = 0; i < sizeof value; ++i)
            at[i] = static_cast<std::uint8_t>(static_cast<std::uint64_t>(value) >> (8 * i));
    }
}

// One EPB with its usbmon header, built in place: a trace of a write holds
// some two thousand of them, and the recording must cost little beside the
// exchanges it records.
void packet(std::string& out, const Urb& urb) {
    constexpr std::size_t kEpbHead = 28;
    const std::size_t data = urb.data.size();
    const std::size_t padded = (kUsbHeaderSize + data + 3) & ~std::size_t{3};
    const std::size_t total = kEpbHead + padded + 4;
    const std::size_t at = out.size();
    out.resize(at + total);  // zeroed: what is not stored below is 0
    auto* p = reinterpret_cast<std::uint8_t*>(out.data() + at);
    const auto captured = static_cast<std::uint32_t>(kUsbHeaderSize + data);
    const auto micros = static_cast<std::uint64_t>(urb.micros);
    const bool in = (urb.endpoint & 0x80) != 0;
    store(p, kEnhancedPacketBlock);
    store(p + 4, static_cast<std::uint32_t>(total));
    // interface 0 at 8
    store(p + 12, static_cast<std::uint32_t>(micros >> 32));
    store(p + 16, static_cast<std::uint32_t>(micros & 0xFFFFFFFF));
    store(p + 20, captured);
    store(p + 24, captured);
    std::uint8_t* h = p + kEpbHead;
    store(h, urb.id);
    h[8] = static_cast<std::uint8_t>(urb.event);
    h[9] = urb.transfer;
    h[10] = urb.endpoint;
    h[11] = kDeviceAddress;
    store(h + 12, kBusNumber);
    h[14] = urb.setup ? 0 : '-';
    h[15] = data != 0 ? 0 : (in ? '<' : '>');
    store(h + 16, static_cast<std::uint64_t>(urb.micros / 1000000));
    store(h + 24, static_cast<std::uint32_t>(urb.micros % 1000000));
    store(h + 28, urb.status);
    store(h + 32, urb.length);
    store(h + 36, static_cast<std::uint32_t>(data));
    if (urb.setup) std::memcpy(h + 40, urb.setup, 8);
    // polling interval, as the endpoint asks
    store(h + 48, std::int32_t{urb.transfer == kInterruptTransfer ? 1 : 0});
    // start frame (52) and iso descriptors (60) are 0
    store(h + 56, in ? kUrbDirectionIn : 0U);
    if (data != 0) std::memcpy(h + kUsbHeaderSize, urb.data.data(), data);
    store(p + total - 4, static_cast<std::uint32_t>(total));
}

class Packets {
public:
    Packets(std::string& out, std::int64_t epochMicros) : out_(out), epoch_(epochMicros) {}

    void getDescriptor(std::array<std::uint8_t, 8> setup, std::span<const std::uint8_t> descriptor) {
        const std::uint64_t id = nextId();
        const auto length = static_cast<std::uint32_t>(descriptor.size());
        packet(out_, {.id = id,
                      .event = kSubmit,
                      .transfer = kControlTransfer,
                      .endpoint = 0x80,
                      .micros = epoch_,
                      .status = kInProgress,
                      .length = length,
                      .setup = setup.data()});
        packet(out_, {.id = id,
                      .event = kComplete,
                      .transfer = kControlTransfer,
                      .endpoint = 0x80,
                      .micros = epoch_,
                      .status = 0,
                      .length = length,
                      .data = descriptor});
    }

    void write(const Step& s) {
        const std::span<const std::uint8_t> data(s.report.data() + 1, kHidReportLength);
        const std::uint64_t id = nextId();
        if (s.result < 0) {
            packet(out_, {.id = id,
                          .event = kError,
                          .micros = at(s.endMicros),
                          .status = kNoDevice,
                          .length = kHidReportLength,
                          .data = data});
            return;
        }
        packet(out_, {.id = id,
                      .event = kSubmit,
                      .micros = at(s.startMicros),
                      .status = kInProgress,
                      .length = kHidReportLength,
                      .data = data});
        packet(out_, {.id = id,
                      .event = kComplete,
                      .micros = at(s.endMicros),
                      .status = s.result == 0 ? kBrokenPipe : 0,
                      .length = static_cast<std::uint32_t>(std::max(s.result - 1, 0))});
    }

    void read(const Step& s) {
        const std::uint64_t id = nextId();
        if (s.result < 0) {
            packet(out_, {.id = id,
                          .event = kError,
                          .endpoint = kInterruptInEndpoint,
                          .micros = at(s.endMicros),
                          .status = kNoDevice,
                          .length = kHidReportLength});
            return;
        }
        packet(out_, {.id = id,
                      .event = kSubmit,
                      .endpoint = kInterruptInEndpoint,
                      .micros = at(s.startMicros),
                      .status = kInProgress,
                      .length = kHidReportLength});
        const std::size_t delivered =
            std::min<std::size_t>(s.result > 0 ? s.result - 1 : 0, kHidReportLength);
        const std::span<const std::uint8_t> data(s.report.data() + 1, delivered);
        packet(out_, {.id = id,
                      .event = kComplete,
                      .endpoint = kInterruptInEndpoint,
                      .micros = at(s.endMicros),
                      .status = s.result == 0                  ? kTimedOut
                                : delivered < kHidReportLength ? kShortReply
                                                               : 0,
                      .length = static_cast<std::uint32_t>(delivered),
                      .data = data});
    }

private:
    // The time of a step since the epoch; a trace read from a damaged file
    // may hold any times, which wrap rather than overflow.
    std::int64_t at(std::int64_t sinceStart) const {
        return static_cast<std::int64_t>(static_cast<std::uint64_t>(epoch_) +
                                         static_cast<std::uint64_t>(sinceStart));
    }
    // URB ids only need to pair a submission with its completion.
    std::uint64_t nextId() { return ++lastId_; }

    std::string& out_;
    std::int64_t epoch_;
    std::uint64_t lastId_ = 0;
};

}  // namespace

std::string encodePcapng(const Trace& trace) {
    std::string out;
    std::size_t exchanges = 0;
    for (const Step& s : trace.steps) exchanges += isExchange(s) ? 1 : 0;
    out.reserve(1024 + exchanges * 2 * (28 + kUsbHeaderSize + 4) + exchanges * kHidReportLength);

    block(out, kSectionHeaderBlock, [&](Bytes& b) {
        b.u32(kByteOrderMagic);
        b.u16(1);
        b.u16(0);
        b.u64(~std::uint64_t{0});  // section length not given
        for (const std::string& comment : comments(trace)) option(b, kOptionComment, comment);
        if (!trace.application.empty()) option(b, kOptionShbUserApplication, trace.application);
        b.u32(kOptionEnd);
    });
    block(out, kInterfaceDescriptionBlock, [&](Bytes& b) {
        b.u16(kLinkTypeUsbLinuxMmapped);
        b.u16(0);
        b.u32(0);  // no snapshot limit
        const char microseconds = 6;
        option(b, kOptionIfTsResolution, std::string_view(&microseconds, 1));
        b.u32(kOptionEnd);
    });

    Packets packets(out, trace.startEpochMicros);
    // GET_DESCRIPTOR of the device, its configuration and the HID report descriptor.
    packets.getDescriptor({0x80, 0x06, 0x00, 0x01, 0x00, 0x00, kDeviceDescriptor.size(), 0x00},
                          kDeviceDescriptor);
    packets.getDescriptor({0x80, 0x06, 0x00, 0x02, 0x00, 0x00, kConfigurationDescriptor.size(), 0x00},
                          kConfigurationDescriptor);
    packets.getDescriptor({0x81, 0x06, 0x00, 0x22, 0x00, 0x00, kReportDescriptor.size(), 0x00},
                          kReportDescriptor);
    for (const Step& step : trace.steps) {
        if (step.kind == StepKind::Write) packets.write(step);
        if (step.kind == StepKind::Read) packets.read(step);
    }
    return out;
}

}  // namespace zeru::trace
