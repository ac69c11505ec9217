// SPDX-License-Identifier: GPL-3.0-or-later
// A conversation recorded against the simulated device plays back with the
// same replies and log lines, and a replay stops with its line where the
// program asks what the trace does not hold.
#include <gtest/gtest.h>

#include "device/device_flows.h"
#include "settings/settings_model.h"
#include "sim/device_simulator.h"
#include "sim/simulator_transport.h"
#include "support/recording_ui.h"
#include "trace/pcapng_reader.h"
#include "trace/pcapng_writer.h"
#include "trace/recording_transport.h"
#include "trace/replay_transport.h"

namespace zeru::trace {
namespace {

struct Recorded {
    std::vector<test::RecordingUi::Event> events;
    Trace trace;
};

// "Read config" with the simulator showing `fault`, recorded and passed through pcapng.
Recorded recordRead(std::optional<sim::Fault> fault) {
    sim::DeviceState device;
    device.fault = fault;
    sim::SimulatorTransport simulator(device);
    TraceRecorder recorder;
    RecordingTransport recording(simulator, recorder);
    test::RecordingUi ui;
    SettingsModel settings;
    ConfigImages images;
    DeviceFlows(settings, ui, images, recording).readConfig();
    const auto trace = decodePcapng(encodePcapng(recorder.trace()));
    EXPECT_TRUE(trace) << trace.failure().text;
    return {ui.events, trace ? *trace : Trace{}};
}

std::vector<test::RecordingUi::Event> replayRead(const Trace& trace) {
    ReplayTransport replay(trace);
    test::RecordingUi ui;
    SettingsModel settings;
    ConfigImages images;
    DeviceFlows(settings, ui, images, replay).readConfig();
    EXPECT_TRUE(replay.finished());
    return ui.events;
}

TEST(Replay, ReproducesTheRecordedRunForEveryFault) {
    std::vector<std::optional<sim::Fault>> faults = {std::nullopt};
    for (const char* kind : {"refuse", "bad-sum", "bad-echo", "short", "silent", "wrong-page", "gone"})
        faults.push_back(sim::parseFault(std::string(kind) + ":7"));
    faults.push_back(sim::parseFault("short:fw"));
    faults.push_back(sim::parseFault("bad-echo:hw"));
    for (const auto& fault : faults) {
        SCOPED_TRACE(fault ? sim::formatFault(*fault) : "no fault");
        const Recorded recorded = recordRead(fault);
        EXPECT_EQ(replayRead(recorded.trace), recorded.events);
    }
}

TEST(Replay, StopsWhereTheTraceHoldsNothing) {
    const Trace recorded = recordRead(std::nullopt).trace;
    auto requestOfPage = [](std::uint16_t page) {
        Report request = makeRequest(kPageReadCommand);
        putLe16(request, kPageNumberOffset, page);
        return request;
    };
    struct Case {
        const char* what;
        std::function<void(ReplayTransport&)> ask;
        const char* line;
    };
    const std::vector<Case> cases = {
        {"another page", [&](ReplayTransport& r) { r.write(requestOfPage(3)); },
         "Replay: the trace holds nothing for page read 4/224 here; it holds firmware version (exchange 1)."},
        {"a reply before any request",
         [](ReplayTransport& r) {
             Report reply{};
             r.read(reply, std::chrono::milliseconds(1));
         },
         "Replay: the trace holds nothing for the reply to command 0x00 here; it holds firmware version "
         "(exchange 1)."},
        {"a device it never opened", [](ReplayTransport& r) { static_cast<void>(r.open("/dev/hidraw9")); },
         "Replay: the program opened /dev/hidraw9 where the trace opened sim:kestrovane-zeru."},
        {"a third search",
         [](ReplayTransport& r) {
             r.enumerate();
             r.enumerate();
             r.enumerate();
         },
         "Replay: the trace ends here; the program went on with a search for the device."},
    };
    for (const Case& c : cases) {
        ReplayTransport replay(recorded);
        try {
            c.ask(replay);
            ADD_FAILURE() << c.what << ": no stop";
        } catch (const ReplayMismatch& e) {
            EXPECT_STREQ(e.what(), c.line) << c.what;
        }
    }
}

}  // namespace
}  // namespace zeru::trace
