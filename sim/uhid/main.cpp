// SPDX-License-Identifier: GPL-3.0-or-later
// zeru-sim: the device simulator presented to this computer as a real USB HID
// device through /dev/uhid, so that the configurator, zeru-cli and anything
// else built on hidapi find and use it exactly as they would the hardware.
#include <poll.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "device/report.h"
#include "device/usb_descriptors.h"
#include "sim/device_simulator.h"
#include "sim/memory_file.h"
#include "sim/state_lock.h"
#include "sim/uhid/output_framing.h"
#include "sim/uhid/sim_options.h"
#include "sim/uhid/uhid_device.h"
#include "trace/trace_file.h"
#include "trace/trace_recorder.h"

namespace {

constexpr int kCannotCreate = 2;  // exit status when /dev/uhid is missing or refused

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) { stopRequested = 1; }

// Without SA_RESTART, so that a signal ends the wait for the next report at once.
void catchStopSignals() {
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

void logRequest(const zeru::sim::HidReport& request, const std::optional<zeru::sim::SimReply>& reply) {
    const unsigned page = static_cast<unsigned>(request[1]) | (static_cast<unsigned>(request[2]) << 8U);
    std::fprintf(stderr, "zeru-sim: request 0x%02X page %u -> ", request[0], page);
    if (reply)
        std::fprintf(stderr, "reply 0x%02X (%zu bytes)\n", reply->bytes[0], reply->size);
    else
        std::fprintf(stderr, "no reply\n");
}

// The device's side of one exchange, on record: the request as the host sent
// it (report number 0 first), then the reply, none, or the device gone.
void recordExchange(zeru::trace::TraceRecorder& recorder, const zeru::sim::HidReport& request,
                    const std::optional<zeru::sim::SimReply>& reply, bool present) {
    using namespace zeru::trace;
    const std::int64_t now = recorder.now();
    Step write{.kind = StepKind::Write,
               .startMicros = now,
               .endMicros = now,
               .result = static_cast<int>(zeru::kReportSize)};
    std::copy(request.begin(), request.end(), write.report.begin() + 1);
    recorder.add(write);
    Step read{.kind = StepKind::Read, .startMicros = now, .endMicros = recorder.now()};
    read.result = !present ? -1 : reply ? static_cast<int>(reply->size) + 1 : 0;
    if (reply) std::copy_n(reply->bytes.begin(), reply->size, read.report.begin() + 1);
    recorder.add(read);
}

int serve(const zeru::uhid::SimOptions& options, zeru::sim::DeviceState& state,
          zeru::trace::TraceRecorder* recorder) {
    using namespace zeru::uhid;
    const bool otherProduct = options.breakage == UsbBreakage::OtherProduct;
    const DeviceIdentity identity{"Kestrovane Zeru (zeru-sim)",
                                  zeru::kZeruVendorId,
                                  otherProduct ? zeru::kZeruProductId + 1u : zeru::kZeruProductId,
                                  state.firmwareVersion,
                                  zeru::kReportDescriptor,
                                  options.serialNumber};
    auto created = UhidDevice::create(options.uhidPath, identity);
    if (!created) {
        std::cerr << "zeru-sim: " << created.failure().text << "\n";
        return kCannotCreate;
    }
    std::unique_ptr<UhidDevice> device = std::move(created).value();
    std::fprintf(stderr,
                 "zeru-sim: Kestrovane Zeru attached (vendor 0x%04X, product 0x%04X); stop with Ctrl+C\n",
                 identity.vendor, identity.product);

    while (!stopRequested) {
        if (!device) {  // unplugged by a "gone" fault: stay away until stopped
            poll(nullptr, 0, 200);
            continue;
        }
        const auto next = device->nextOutput(std::chrono::milliseconds(500));
        if (!next) {
            std::cerr << "zeru-sim: the virtual device failed: " << next.failure().text << "\n";
            return 3;
        }
        const std::optional<UhidDevice::Output>& output = *next;
        if (!output) continue;
        const auto request = options.breakage == UsbBreakage::KeepReportNumber
                                 ? reportKeepingNumber(output->bytes)
                                 : reportFromOutput(output->bytes);
        if (!request) {
            std::fprintf(stderr, "zeru-sim: ignored an output report of %zu bytes%s\n", output->bytes.size(),
                         output->bytes.empty() || output->bytes[0] == 0 ? "" : " with a report number");
            continue;
        }
        const auto reply = zeru::sim::respond(state, *request);
        if (options.verbose) logRequest(*request, reply);
        if (recorder) recordExchange(*recorder, *request, reply, state.present);
        if (!state.present) {
            device.reset();
            std::cerr << "zeru-sim: the device is gone (unplugged) as the fault asked\n";
            continue;
        }
        if (!reply) continue;
        if (const zeru::Outcome sent = device->sendInput(std::span(reply->bytes.data(), reply->size));
            !sent) {
            std::cerr << "zeru-sim: cannot send a reply: " << sent.failure().text << "\n";
            return 3;
        }
    }
    std::cerr << "zeru-sim: stopped, device removed\n";
    return 0;
}

}  // namespace

// NOLINTNEXTLINE(bugprone-exception-escape): the options' Result is read only once it holds them
int main(int argc, char** argv) {
    using namespace zeru::uhid;
    const zeru::Result<SimOptions> parsed = parseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed) {
        std::cerr << "zeru-sim: " << parsed.failure().text << "\n\n" << simUsageText();
        return 1;
    }
    const SimOptions& options = *parsed;
    if (options.help) {
        std::cout << simUsageText();
        return 0;
    }

    zeru::sim::DeviceState state;
    state.firmwareVersion = options.firmwareVersion;
    state.serialNumber = options.serialNumber;
    state.fault = options.fault;
    // One process per simulated device: a second one on the same state file
    // stops here, before it shows a device.
    std::optional<zeru::sim::StateLock> stateLock;
    if (options.stateFile) {
        auto locked = zeru::sim::StateLock::acquire(*options.stateFile, std::chrono::milliseconds(0));
        if (!locked) {
            std::cerr << "zeru-sim: " << locked.failure().text << "\n";
            return 1;
        }
        stateLock.emplace(std::move(locked).value());
    }
    if (options.stateFile && !zeru::sim::isBlankState(*options.stateFile)) {
        const auto memory = zeru::sim::readMemoryFile(*options.stateFile);
        if (!memory) {
            std::cerr << "zeru-sim: " << memory.failure().text << "\n";
            return 1;
        }
        state.memory = *memory;
    }

    catchStopSignals();
    std::optional<zeru::trace::TraceRecorder> recorder;
    if (options.traceFile) {
        recorder.emplace();
        recorder->trace().application = "zeru-sim " ZERU_PROGRAM_VERSION;
        recorder->trace().commandLine.assign(argv, argv + argc);
        recorder->trace().commandLine.front() = "zeru-sim";
    }
    int status = serve(options, state, recorder ? &*recorder : nullptr);
    if (recorder) {
        if (const zeru::Outcome saved = zeru::trace::saveTrace(recorder->trace(), *options.traceFile);
            !saved) {
            std::cerr << "zeru-sim: " << saved.failure().text << ".\n";
            if (status == 0) status = 3;
        }
    }

    // Nothing to keep when the device could not even be created.
    if (options.stateFile && status != kCannotCreate) {
        if (const zeru::Outcome saved = zeru::sim::writeMemoryFile(*options.stateFile, state.memory);
            !saved) {
            std::cerr << "zeru-sim: " << saved.failure().text << ".\n";
            return status == 0 ? 3 : status;
        }
    }
    return status;
}
