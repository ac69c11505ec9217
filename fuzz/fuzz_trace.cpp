// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a trace file, as a user might send one: reading must take
// anything without crashing; what it reads must print as text, write back as
// pcapng and read again the same, and replay a "Read config" that ends in its
// lines or a Replay: stop, never a crash.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "device/device_flows.h"
#include "fuzz_check.h"
#include "settings/settings_model.h"
#include "support/recording_ui.h"
#include "trace/pcapng_reader.h"
#include "trace/pcapng_writer.h"
#include "trace/replay_transport.h"
#include "trace/text_form.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zeru::trace;
    const auto trace = decodePcapng(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!trace) {
        ZERU_FUZZ_CHECK(!trace.failure().text.empty());
        return 0;
    }
    const std::string text = formatTraceText(*trace);
    ZERU_FUZZ_CHECK(!text.empty());

    const auto again = decodePcapng(encodePcapng(*trace));
    ZERU_FUZZ_CHECK(again);
    ZERU_FUZZ_CHECK(again->steps.size() == trace->steps.size());
    ZERU_FUZZ_CHECK(again->logLines == trace->logLines);
    for (std::size_t i = 0; i < trace->steps.size(); ++i) {
        const Step& a = trace->steps[i];
        const Step& b = again->steps[i];
        ZERU_FUZZ_CHECK(a.kind == b.kind && a.result == b.result);
        if (a.kind == StepKind::Write) ZERU_FUZZ_CHECK(a.report == b.report);
    }

    ReplayTransport replay(*trace);
    zeru::test::RecordingUi ui;
    zeru::SettingsModel settings;
    zeru::ConfigImages images;
    try {
        zeru::DeviceFlows(settings, ui, images, replay).readConfig();
    } catch (const ReplayMismatch& stop) {
        ZERU_FUZZ_CHECK(std::string_view(stop.what()).starts_with("Replay: "));
    }
    return 0;
}
