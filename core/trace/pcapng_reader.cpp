// SPDX-License-Identifier: GPL-3.0-or-later
#include "trace/pcapng_reader.h"

#include <algorithm>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "device/usb_descriptors.h"
#include "trace/pcapng_format.h"

namespace zeru::trace {
namespace {

using namespace pcapng;

class Reader {
public:
    Reader(std::string_view bytes, bool bigEndian) : bytes_(bytes), bigEndian_(bigEndian) {}
    std::uint16_t u16(std::size_t at) const { return static_cast<std::uint16_t>(value(at, 2)); }
    std::uint32_t u32(std::size_t at) const { return static_cast<std::uint32_t>(value(at, 4)); }
    std::uint64_t u64(std::size_t at) const { return value(at, 8); }

private:
    std::uint64_t value(std::size_t at, int size) const {
        std::uint64_t v = 0;
        for (int i = 0; i < size; ++i) {
            const auto byte = static_cast<std::uint8_t>(bytes_[at + (bigEndian_ ? i : size - 1 - i)]);
            v = (v << 8) | byte;
        }
        return v;
    }
    std::string_view bytes_;
    bool bigEndian_;
};

struct Interface {
    std::uint16_t linkType = 0;
    std::uint64_t ticksPerSecond = 1000000;
};

struct UsbPacket {
    std::uint64_t id = 0;
    char event = 0;
    std::uint8_t transfer = 0;
    std::uint8_t endpoint = 0;
    std::uint8_t device = 0;
    std::uint16_t bus = 0;
    std::int64_t micros = 0;
    std::int32_t status = 0;
    std::uint32_t length = 0;
    std::string_view data;
};

std::vector<std::string_view> splitTabs(std::string_view text) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = text.find('\t', start);
        fields.push_back(
            text.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

std::int64_t number(std::string_view text) {
    std::int64_t value = 0;
    bool negative = !text.empty() && text[0] == '-';
    for (char c : text.substr(negative ? 1 : 0)) {
        if (c < '0' || c > '9' || value > 1'000'000'000'000'000) return 0;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

std::uint16_t hex16(std::string_view text) {
    unsigned value = 0;
    for (char c : text.substr(0, 4)) {
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (digit < 0) return 0;
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return static_cast<std::uint16_t>(value);
}

// A note about the device and the exchange it precedes.
struct Note {
    std::size_t beforeExchange = 0;
    Step step;
};

std::optional<Note> parseNote(std::string_view comment) {
    const auto f = splitTabs(comment.substr(kStepComment.size()));
    if (f.size() < 4) return std::nullopt;
    Note note;
    note.beforeExchange = static_cast<std::size_t>(std::max<std::int64_t>(number(f[0]), 0));
    note.step.startMicros = number(f[1]);
    note.step.endMicros = number(f[2]);
    if (f[3] == "enumerate") {
        note.step.kind = StepKind::Enumerate;
        for (std::size_t i = 4; i + 2 < f.size(); i += 3) {
            const std::string_view ids = f[i];
            HidDeviceInfo device;
            device.vendorId = hex16(ids.substr(0, 4));
            device.productId = ids.size() > 5 ? hex16(ids.substr(5)) : 0;
            device.serialNumber = unescapeField(f[i + 1]);
            device.path = unescapeField(f[i + 2]);
            note.step.devices.push_back(std::move(device));
        }
    } else if ((f[3] == "open" || f[3] == "open-failed") && f.size() >= 6) {
        note.step.kind = StepKind::Open;
        note.step.result = f[3] == "open" ? 1 : 0;
        note.step.path = unescapeField(f[4]);
        note.step.whyNot = unescapeField(f[5]);
    } else if (f[3] == "close") {
        note.step.kind = StepKind::Close;
    } else {
        return std::nullopt;
    }
    return note;
}

void readComment(std::string_view comment, Trace& trace, std::vector<Note>& notes) {
    if (comment.starts_with(kStepComment)) {
        if (auto note = parseNote(comment)) notes.push_back(std::move(*note));
    } else if (comment.starts_with(kCommandComment)) {
        for (std::string_view field : splitTabs(comment.substr(kCommandComment.size())))
            trace.commandLine.push_back(unescapeField(field));
    } else if (comment.starts_with(kLogComment)) {
        std::string_view lines = comment.substr(kLogComment.size());
        while (!lines.empty()) {
            const std::size_t end = lines.find('\n');
            trace.logLines.emplace_back(lines.substr(0, end));
            if (end == std::string_view::npos) break;
            lines.remove_prefix(end + 1);
        }
    }
}

// Calls `each(code, value)` for every option in [at, end).
template <typename Each>
void forEachOption(std::string_view bytes, const Reader& r, std::size_t at, std::size_t end, Each each) {
    while (at + 4 <= end) {
        const std::uint16_t code = r.u16(at);
        const std::uint16_t length = r.u16(at + 2);
        if (code == kOptionEnd || at + 4 + length > end) return;
        each(code, bytes.substr(at + 4, length));
        at += 4 + ((length + 3u) & ~3u);
    }
}

// Turns the USB packets of the device into writes and reads, as the program
// saw them (see pcapng_writer.cpp for how each outcome is written).
class Exchanges {
public:
    explicit Exchanges(std::vector<Step>& steps) : steps_(steps) {}

    void add(const UsbPacket& p, std::int64_t epoch) {
        // Times of a damaged file may lie anywhere: the difference wraps rather than overflows.
        const auto micros = static_cast<std::int64_t>(static_cast<std::uint64_t>(p.micros) -
                                                      static_cast<std::uint64_t>(epoch));
        const std::size_t delivered = std::min<std::size_t>(p.data.size(), kHidReportLength);
        if ((p.endpoint & 0x80) == 0) {
            if (p.event == kSubmit || p.event == kError) {
                Step write{.kind = StepKind::Write, .startMicros = micros, .endMicros = micros};
                std::copy_n(p.data.begin(), delivered, write.report.begin() + 1);
                write.result = p.event == kError ? -1 : static_cast<int>(kReportSize);
                if (p.event == kSubmit) pendingWrites_[p.id] = steps_.size();
                steps_.push_back(write);
            } else if (auto it = pendingWrites_.find(p.id); it != pendingWrites_.end()) {
                Step& write = steps_[it->second];
                write.endMicros = micros;
                write.result = p.status == 0
                                   ? static_cast<int>(std::min<std::uint32_t>(p.length, kHidReportLength)) + 1
                               : p.status == kBrokenPipe ? 0
                                                         : -1;
                pendingWrites_.erase(it);
            }
            return;
        }
        if (p.event == kSubmit) {
            pendingReads_[p.id] = micros;
            return;
        }
        // A completion the program never saw (a capture's URB cancelled at close) is left out.
        if (p.event == kComplete && p.status != 0 && p.status != kTimedOut && p.status != kShortReply) return;
        Step read{.kind = StepKind::Read, .startMicros = micros, .endMicros = micros};
        if (auto it = pendingReads_.find(p.id); it != pendingReads_.end()) {
            read.startMicros = it->second;
            pendingReads_.erase(it);
        }
        read.result = p.event == kError ? -1 : p.status == kTimedOut ? 0 : static_cast<int>(delivered) + 1;
        std::copy_n(p.data.begin(), delivered, read.report.begin() + 1);
        steps_.push_back(read);
    }

private:
    std::vector<Step>& steps_;
    std::map<std::uint64_t, std::size_t> pendingWrites_;
    std::map<std::uint64_t, std::int64_t> pendingReads_;
};

// Why the file cannot be read as a trace.
Failure notReadable(std::string why) { return Failure::of(FailureKind::ImageRefused, std::move(why)); }
Failure cutShort(int blockNumber) {
    return notReadable("block " + std::to_string(blockNumber) + " is cut short");
}

bool isZeruDeviceDescriptor(const UsbPacket& p) {
    return p.transfer == kControlTransfer && p.event == kComplete && p.data.size() >= 12 &&
           static_cast<std::uint8_t>(p.data[1]) == 0x01 &&
           static_cast<std::uint8_t>(p.data[8]) == (kZeruVendorId & 0xFF) &&
           static_cast<std::uint8_t>(p.data[9]) == (kZeruVendorId >> 8) &&
           static_cast<std::uint8_t>(p.data[10]) == (kZeruProductId & 0xFF) &&
           static_cast<std::uint8_t>(p.data[11]) == (kZeruProductId >> 8);
}

// What a trace may hold: a firmware upload is about 14000 reports; past these
// a hostile file would make its reader hold many times its size.
constexpr std::size_t kMostItems = kMostTraceReports;
// Comments hold the notes, the command line and the log lines.
constexpr std::size_t kMostCommentBytes = std::size_t{16} * 1024 * 1024;

// One walk over the blocks, checking every length: each comment of a section
// header and each USB packet of a usbmon interface, in file order.
template <typename OnComment, typename OnPacket>
std::optional<Failure> walkBlocks(std::string_view bytes, OnComment onComment, OnPacket onPacket) {
    std::vector<Interface> interfaces;
    bool bigEndian = false;
    bool sectionSeen = false;
    std::size_t at = 0;
    for (int blockNumber = 1; at < bytes.size(); ++blockNumber) {
        if (bytes.size() - at < 12) return cutShort(blockNumber);

        Reader r(bytes, bigEndian);
        std::uint32_t type = r.u32(at);
        if (type == kSectionHeaderBlock) {
            const Reader le(bytes, false);
            if (le.u32(at + 8) == kByteOrderMagic)
                bigEndian = false;
            else if (Reader(bytes, true).u32(at + 8) == kByteOrderMagic)
                bigEndian = true;
            else
                return notReadable("block " + std::to_string(blockNumber) + " has no byte order mark");
            r = Reader(bytes, bigEndian);
            interfaces.clear();  // each section numbers its own interfaces
            sectionSeen = true;
        } else if (!sectionSeen)
            return notReadable("not a pcapng file");

        const std::uint32_t length = r.u32(at + 4);
        if (length < 12 || length % 4 != 0 || length > bytes.size() - at) return cutShort(blockNumber);

        const std::size_t end = at + length - 4;  // before the trailing length
        if (type == kSectionHeaderBlock && length >= 28) {
            forEachOption(bytes, r, at + 24, end, onComment);
        } else if (type == kInterfaceDescriptionBlock && length >= 20) {
            Interface interface { .linkType = r.u16(at + 8) };
            forEachOption(bytes, r, at + 16, end, [&](std::uint16_t code, std::string_view value) {
                if (code != kOptionIfTsResolution || value.size() != 1) return;
                const auto resolution = static_cast<std::uint8_t>(value[0]);
                std::uint64_t ticks = 1;
                for (int i = 0; i < (resolution & 0x7F) && ticks < (std::uint64_t{1} << 60); ++i)
                    ticks *= (resolution & 0x80) ? 2 : 10;
                interface.ticksPerSecond = ticks;
            });
            interfaces.push_back(interface);
        } else if (type == kEnhancedPacketBlock && length >= 32) {
            const std::uint32_t interfaceId = r.u32(at + 8);
            const std::uint32_t captured = r.u32(at + 20);
            if (captured > end - (at + 28)) return cutShort(blockNumber);

            if (interfaceId < interfaces.size() &&
                interfaces[interfaceId].linkType == kLinkTypeUsbLinuxMmapped && captured >= kUsbHeaderSize) {
                const std::size_t h = at + 28;
                UsbPacket p;
                p.id = r.u64(h);
                p.event = bytes[h + 8];
                p.transfer = static_cast<std::uint8_t>(bytes[h + 9]);
                p.endpoint = static_cast<std::uint8_t>(bytes[h + 10]);
                p.device = static_cast<std::uint8_t>(bytes[h + 11]);
                p.bus = r.u16(h + 12);
                const std::uint64_t ticks = (std::uint64_t{r.u32(at + 12)} << 32) | r.u32(at + 16);
                const std::uint64_t perSecond = interfaces[interfaceId].ticksPerSecond;
                p.micros = static_cast<std::int64_t>(ticks / perSecond * 1000000 +
                                                     (ticks % perSecond) * 1000000 / perSecond);
                p.status = static_cast<std::int32_t>(r.u32(h + 28));
                p.length = r.u32(h + 32);
                const std::uint32_t dataLength =
                    std::min<std::uint32_t>(r.u32(h + 36), captured - kUsbHeaderSize);
                p.data = bytes.substr(h + kUsbHeaderSize, dataLength);
                if (auto failure = onPacket(p)) return failure;
            }
        }
        at += length;
    }
    if (!sectionSeen) return notReadable("not a pcapng file");
    return std::nullopt;
}

}  // namespace

Result<Trace> decodePcapng(std::string_view bytes) {
    // Two walks, so that no packet is held: the first reads the comments and
    // finds where the trace begins and which device on the bus is a
    // Kestrovane Zeru (a capture of a whole bus); the second turns that
    // device's packets into exchanges.
    Trace trace;
    std::vector<Note> notes;
    std::size_t items = 0;  // notes, devices they list, command-line words, log lines
    std::size_t commentBytes = 0;
    std::optional<std::int64_t> epoch;
    std::optional<std::pair<std::uint16_t, std::uint8_t>> zeru;
    const auto onComment = [&](std::uint16_t code, std::string_view value) {
        if (code == kOptionShbUserApplication) trace.application = std::string(value);
        // Past the limit the rest is skipped: one comment adds at most 64 KiB.
        if (code != kOptionComment || items > kMostItems || commentBytes > kMostCommentBytes) return;
        commentBytes += value.size();
        const std::size_t notesBefore = notes.size();
        items -= trace.commandLine.size() + trace.logLines.size();
        readComment(value, trace, notes);
        items += trace.commandLine.size() + trace.logLines.size() + (notes.size() - notesBefore);
        if (notes.size() > notesBefore) items += notes.back().step.devices.size();
    };
    const auto firstWalk = [&](const UsbPacket& p) -> std::optional<Failure> {
        if (!epoch) epoch = p.micros;
        if (!zeru && isZeruDeviceDescriptor(p)) zeru.emplace(p.bus, p.device);
        return std::nullopt;
    };
    if (auto failure = walkBlocks(bytes, onComment, firstWalk)) return *failure;
    if (items > kMostItems || commentBytes > kMostCommentBytes)
        return notReadable(std::string(kTraceTooLarge));

    trace.startEpochMicros = epoch.value_or(0);
    std::vector<Step> exchanges;
    Exchanges builder(exchanges);
    const auto secondWalk = [&](const UsbPacket& p) -> std::optional<Failure> {
        if (p.transfer != kInterruptTransfer) return std::nullopt;
        if (zeru && (p.bus != zeru->first || p.device != zeru->second)) return std::nullopt;
        builder.add(p, trace.startEpochMicros);
        if (items + exchanges.size() > kMostItems) return notReadable(std::string(kTraceTooLarge));
        return std::nullopt;
    };
    if (auto failure = walkBlocks(
            bytes, [](std::uint16_t, std::string_view) {}, secondWalk))
        return *failure;
    // Notes go back before the exchange they preceded.
    trace.steps.reserve(exchanges.size() + notes.size());
    std::size_t next = 0;
    for (std::size_t i = 0; i <= exchanges.size(); ++i) {
        while (next < notes.size() && notes[next].beforeExchange <= i)
            trace.steps.push_back(std::move(notes[next++].step));
        if (i < exchanges.size()) trace.steps.push_back(std::move(exchanges[i]));
    }
    while (next < notes.size()) trace.steps.push_back(std::move(notes[next++].step));
    return trace;
}

}  // namespace zeru::trace
