// SPDX-License-Identifier: GPL-3.0-or-later
#include "trace/replay_transport.h"

#include <algorithm>

#include "interaction/visible_text.h"
#include "trace/report_meaning.h"

namespace zeru::trace {
namespace {

bool sameRequest(const Report& a, const Report& b) {
    if (a[kCommandOffset] != b[kCommandOffset]) return false;
    switch (a[kCommandOffset]) {
        case kPageReadCommand:
        case kPageWriteCommand:
        case kFirmwarePageWriteCommand:
            return getLe16(a, kPageNumberOffset) == getLe16(b, kPageNumberOffset);
        default:
            return true;
    }
}

std::string stepName(const Step& step) {
    switch (step.kind) {
        case StepKind::Enumerate:
            return "a search for the device";
        case StepKind::Open:
            return "opening the device";
        case StepKind::Close:
            return "closing the device";
        case StepKind::Write:
            return requestMeaning(step.report);
        case StepKind::Read:
            return "a reply";
    }
    return "?";
}

}  // namespace

ReplayTransport::ReplayTransport(Trace trace) : trace_(std::move(trace)) {
    for (std::size_t i = 0; i < trace_.steps.size(); ++i) {
        if (isExchange(trace_.steps[i]))
            exchanges_.push_back(i);
        else
            hasNotes_ = true;
    }
}

const Step* ReplayTransport::nextNote(StepKind kind) {
    std::size_t& next = kind == StepKind::Enumerate ? nextEnumerate_ : nextOpen_;
    while (next < trace_.steps.size() && trace_.steps[next].kind != kind) ++next;
    if (next >= trace_.steps.size()) return nullptr;
    return &trace_.steps[next++];
}

std::vector<HidDeviceInfo> ReplayTransport::enumerate() {
    if (!hasNotes_) return {{kZeruVendorId, kZeruProductId, std::string(kCapturePath)}};
    if (const Step* note = nextNote(StepKind::Enumerate)) return note->devices;
    throw ReplayMismatch("Replay: the trace ends here; the program went on with a search for the device.");
}

Outcome ReplayTransport::open(const std::string& path) {
    if (!hasNotes_) return {};
    const Step* note = nextNote(StepKind::Open);
    if (note == nullptr)
        throw ReplayMismatch("Replay: the trace ends here; the program went on with opening " +
                             visibleText(path) + ".");
    if (note->path != path)
        throw ReplayMismatch("Replay: the program opened " + visibleText(path) + " where the trace opened " +
                             visibleText(note->path) + ".");
    if (note->result == 0) return cannotOpen(note->whyNot);
    return {};
}

const Step& ReplayTransport::nextExchange(StepKind kind, const Report* request) {
    const std::string asked =
        request ? requestMeaning(*request) : "the reply to " + requestMeaning(lastRequest_);
    if (nextExchange_ >= exchanges_.size())
        throw ReplayMismatch("Replay: the trace ends here; the program went on with " + asked + ".");
    const Step& step = trace_.steps[exchanges_[nextExchange_]];
    if (step.kind != kind || (request && !sameRequest(step.report, *request)))
        throw ReplayMismatch("Replay: the trace holds nothing for " + asked + " here; it holds " +
                             stepName(step) + " (exchange " + std::to_string(nextExchange_ + 1) + ").");
    ++nextExchange_;
    return step;
}

int ReplayTransport::write(const Report& request) {
    const Step& step = nextExchange(StepKind::Write, &request);
    lastRequest_ = request;
    if (request[kCommandOffset] == kPageWriteCommand)
        written_[getLe16(request, kPageNumberOffset)] = {step.report, request};
    return step.result;
}

int ReplayTransport::read(Report& reply, std::chrono::milliseconds /*limit*/) {
    const Step& step = nextExchange(StepKind::Read, nullptr);
    reply.fill(0);
    if (step.result > 0)
        std::copy_n(step.report.begin(), std::min<std::size_t>(step.result, kReportSize), reply.begin());
    if (lastRequest_[kCommandOffset] == kPageReadCommand &&
        step.result >= static_cast<int>(kPageSumOffset + 2))
        if (auto it = written_.find(getLe16(lastRequest_, kPageNumberOffset)); it != written_.end())
            followWrite(it->second.recorded, it->second.now, reply);
    return step.result;
}

// The recorded reply differs from what was sent then as the new one must
// differ from what was sent now: the same bits changed, the page sum off by
// as much.
void ReplayTransport::followWrite(const Report& recorded, const Report& now, Report& reply) {
    const auto data = [](const Report& r) { return PageBytes(r.data() + kPageDataOffset, kPageSize); };
    const int sumBefore = pageSum(data(reply));
    for (std::size_t i = kPageDataOffset; i < kPageDataOffset + kPageSize; ++i)
        reply[i] = static_cast<std::uint8_t>(reply[i] ^ recorded[i] ^ now[i]);
    const int shift = pageSum(data(reply)) - sumBefore;
    putLe16(reply, kPageSumOffset, static_cast<std::uint16_t>(getLe16(reply, kPageSumOffset) + shift));
}

}  // namespace zeru::trace
