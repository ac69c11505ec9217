// SPDX-License-Identifier: GPL-3.0-or-later
// A ReportTransport that plays a recorded trace back: the enumeration, the
// opening and every reply are what the trace holds, request by request, so a
// failure recorded on a user's machine shows again, with its log lines, on
// any machine. A request is matched by its command and page number: its data
// may differ, since every write carries a fresh write stamp. A page read back
// after such a write answers what the program sent now, changed as the
// recorded device changed what was sent then (a page kept or a bit flipped).
#pragma once

#include <array>
#include <cstddef>
#include <map>
#include <stdexcept>

#include "device/report_transport.h"
#include "trace/trace.h"

namespace zeru::trace {

// Raised where the program asks something the trace does not hold; its
// message is the line that says so.
class ReplayMismatch : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ReplayTransport final : public ReportTransport {
public:
    // The path under which the device of a capture without notes enumerates.
    static constexpr std::string_view kCapturePath = "replay";

    explicit ReplayTransport(Trace trace);

    std::vector<HidDeviceInfo> enumerate() override;
    Outcome open(const std::string& path) override;
    int write(const Report& request) override;
    int read(Report& reply, std::chrono::milliseconds limit) override;
    void close() override {}

    // Whether every exchange of the trace was played.
    bool finished() const { return nextExchange_ >= exchanges_.size(); }

private:
    const Step* nextNote(StepKind kind);
    const Step& nextExchange(StepKind kind, const Report* request);
    static void followWrite(const Report& recorded, const Report& now, Report& reply);

    Trace trace_;
    std::vector<std::size_t> exchanges_;  // indexes of the writes and reads, in order
    std::size_t nextExchange_ = 0;
    std::size_t nextEnumerate_ = 0;
    std::size_t nextOpen_ = 0;
    bool hasNotes_ = false;  // false for a capture made with a protocol analyser
    Report lastRequest_{};
    // Configuration pages written during the replay: what was sent then, and now.
    struct Written {
        Report recorded;
        Report now;
    };
    std::map<std::uint16_t, Written> written_;
};

}  // namespace zeru::trace
