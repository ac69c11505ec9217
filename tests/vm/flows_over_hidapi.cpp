// SPDX-License-Identifier: GPL-3.0-or-later
// The configurator's own "Write config" and "Read config" (the DeviceFlows the
// window's buttons call) over the hidapi transport, against whatever device
// with vendor 0x0483 and product 0xA050 the system shows: in the test guest,
// zeru-sim through the kernel's uhid, hidraw and hidapi.
//
//   zeru-vm-flows [SEED]
//
// Writes a random valid configuration, reads it back into settings that start
// from the defaults and compares them setting by setting. Exit 0 when both
// flows succeed and every setting came back; 1 otherwise, naming what differs.
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "device/device_flows.h"
#include "device/hidapi_transport.h"
#include "rules/rules.h"
#include "settings/catalogue.h"
#include "settings/settings_model.h"
#include "support/random_settings.h"
#include "support/recording_ui.h"
#include "vm/settings_difference.h"

namespace {

using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

// Passes everything on to hidapi and keeps apart the time spent finding and
// opening the device, which the flows do three times, from the exchanges.
class TimedTransport final : public zeru::ReportTransport {
    template <typename F>
    static auto timed(Clock::duration& total, F f) {
        const auto start = Clock::now();
        auto result = f();
        total += Clock::now() - start;
        return result;
    }

public:
    std::vector<zeru::HidDeviceInfo> enumerate() override {
        return timed(finding, [&] { return inner.enumerate(); });
    }
    zeru::Outcome open(const std::string& path) override {
        return timed(finding, [&] { return inner.open(path); });
    }
    int write(const zeru::Report& request) override {
        return timed(exchanging, [&] { return inner.write(request); });
    }
    int read(zeru::Report& reply, std::chrono::milliseconds limit) override {
        return timed(exchanging, [&] { return inner.read(reply, limit); });
    }
    void close() override { inner.close(); }

    zeru::HidapiTransport inner;
    Clock::duration finding{}, exchanging{};
};

// What the window would have shown, for the record of a failure.
void printEvents(const char* flow, const zeru::test::RecordingUi& ui) {
    for (const auto& event : ui.events)
        if (!event.text.empty()) std::fprintf(stderr, "%s: %s\n", flow, event.text.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    const unsigned seed = argc > 1 ? static_cast<unsigned>(std::stoul(argv[1])) : 2024u;
    TimedTransport transport;
    zeru::ConfigImages images;

    zeru::test::RecordingUi writeUi;
    zeru::SettingsModel written;
    zeru::rules::applyStartupSequence(written, writeUi);
    std::mt19937 rng(seed);
    zeru::test::fillRandomValidSettings(written, rng, {.canonical = true});
    zeru::test::applyImageNormalisations(written);
    writeUi.events.clear();
    const auto writeStart = Clock::now();
    const bool wrote = zeru::DeviceFlows(written, writeUi, images, transport).writeConfig().ok();
    const auto writeTime = Clock::now() - writeStart;
    if (!wrote) {
        printEvents("write", writeUi);
        std::fprintf(stderr, "zeru-vm-flows: \"Write config\" failed\n");
        return 1;
    }

    zeru::test::RecordingUi readUi;
    zeru::SettingsModel read;
    zeru::rules::applyStartupSequence(read, readUi);
    readUi.events.clear();
    const auto readStart = Clock::now();
    const bool readBack = zeru::DeviceFlows(read, readUi, images, transport).readConfig().settingsRead;
    const auto readTime = Clock::now() - readStart;
    if (!readBack) {
        printEvents("read", readUi);
        std::fprintf(stderr, "zeru-vm-flows: \"Read config\" failed\n");
        return 1;
    }
    const int differences = zeru::vm::reportDifferences(written, read);
    if (differences != 0) {
        std::fprintf(stderr, "zeru-vm-flows: %d settings came back different\n", differences);
        return 1;
    }
    std::printf("zeru-vm-flows: wrote and read back %zu settings through hidapi\n",
                zeru::settingsCatalogue().size());
    std::printf(
        "device flows: Write config + Read config in %.1f ms (finding and opening the device %.1f ms,"
        " exchanges %.1f ms)\n",
        Ms(writeTime + readTime).count(), Ms(transport.finding).count(), Ms(transport.exchanging).count());
    return 0;
}
