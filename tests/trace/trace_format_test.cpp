// SPDX-License-Identifier: GPL-3.0-or-later
// A trace survives pcapng as the program saw it, every outcome of an exchange
// included, and a damaged file is refused without harm.
#include <gtest/gtest.h>

#include <fstream>

#include "interaction/visible_text.h"
#include "support/unique_folder.h"
#include "trace/pcapng_reader.h"
#include "trace/pcapng_writer.h"
#include "trace/text_form.h"
#include "trace/trace_file.h"

namespace zeru::trace {
namespace {

Step exchange(StepKind kind, int result, std::uint8_t command, std::int64_t at) {
    Step step{.kind = kind, .startMicros = at, .endMicros = at + 7, .result = result};
    step.report[1] = command;
    step.report[2] = static_cast<std::uint8_t>(at);  // tells the steps apart
    if (kind == StepKind::Write) step.report[64] = 0xEE;
    // A reply's bytes past what was delivered are not part of it.
    if (kind == StepKind::Read)
        for (int i = 3; i < std::max(result, 0); ++i) step.report[static_cast<std::size_t>(i)] = 0x5A;
    return step;
}

Trace everyOutcome() {
    Trace trace;
    trace.startEpochMicros = 1'700'000'000'123'456;
    trace.application = "zeru-cli 1.02";
    trace.commandLine = {"zeru-cli", "--trace", "a b\tc.pcapng", "read", "-o", "100%.cfg"};
    Step found{.kind = StepKind::Enumerate, .startMicros = 1, .endMicros = 2};
    found.devices = {{0x0483, 0xA050, "/dev/hidraw3", "ZS0001"}, {0x0483, 0xA050, "odd\tpath\n%", ""}};
    trace.steps.push_back(found);
    trace.steps.push_back({.kind = StepKind::Open,
                           .startMicros = 3,
                           .endMicros = 4,
                           .result = 0,
                           .path = "/dev/hidraw3",
                           .whyNot = "permission denied"});
    trace.steps.push_back(
        {.kind = StepKind::Open, .startMicros = 5, .endMicros = 6, .result = 1, .path = "/dev/hidraw3"});
    trace.steps.push_back(exchange(StepKind::Write, 65, 0xFB, 10));  // taken whole
    trace.steps.push_back(exchange(StepKind::Read, 65, 0xFB, 20));   // whole reply
    trace.steps.push_back(exchange(StepKind::Write, 12, 0xFC, 30));  // partly taken
    trace.steps.push_back(exchange(StepKind::Read, 33, 0xFC, 40));   // short reply
    trace.steps.push_back(exchange(StepKind::Write, 65, 0xFD, 50));
    trace.steps.push_back(exchange(StepKind::Read, 0, 0, 60));       // time limit
    trace.steps.push_back(exchange(StepKind::Write, 0, 0xFD, 70));   // nothing taken
    trace.steps.push_back(exchange(StepKind::Write, -1, 0xFE, 80));  // gone at the write
    trace.steps.push_back(exchange(StepKind::Read, -1, 0, 90));      // gone at the read
    trace.steps.push_back({.kind = StepKind::Close, .startMicros = 100, .endMicros = 101});
    trace.steps.push_back({.kind = StepKind::Enumerate, .startMicros = 110, .endMicros = 111});  // none found
    // More log than one pcapng option holds.
    for (int i = 0; i < 4000; ++i)
        trace.logLines.push_back("Page written: " + std::to_string(i) + std::string(20, '.'));
    return trace;
}

void expectSameStep(const Step& a, const Step& b, std::size_t index) {
    SCOPED_TRACE("step " + std::to_string(index));
    EXPECT_EQ(a.kind, b.kind);
    // A failed call is one event ("E"), at its end.
    if (a.result >= 0 || !isExchange(a)) {
        EXPECT_EQ(a.startMicros, b.startMicros);
    }
    EXPECT_EQ(a.endMicros, b.endMicros);
    EXPECT_EQ(a.result, b.result);
    EXPECT_EQ(a.path, b.path);
    EXPECT_EQ(a.whyNot, b.whyNot);
    ASSERT_EQ(a.devices.size(), b.devices.size());
    for (std::size_t i = 0; i < a.devices.size(); ++i) {
        EXPECT_EQ(a.devices[i].path, b.devices[i].path);
        EXPECT_EQ(a.devices[i].serialNumber, b.devices[i].serialNumber);
        EXPECT_EQ(a.devices[i].vendorId, b.devices[i].vendorId);
        EXPECT_EQ(a.devices[i].productId, b.devices[i].productId);
    }
    // A write's request travels whole; a reply only as far as it was delivered.
    const std::size_t meaningful = a.kind == StepKind::Write ? kReportSize
                                   : a.kind == StepKind::Read
                                       ? static_cast<std::size_t>(std::max(a.result, 0))
                                       : 0;
    for (std::size_t i = 1; i < meaningful; ++i) EXPECT_EQ(a.report[i], b.report[i]) << "byte " << i;
}

TEST(TraceFormat, PcapngKeepsEveryStepAndOutcome) {
    const Trace written = everyOutcome();
    const auto read = decodePcapng(encodePcapng(written));
    ASSERT_TRUE(read) << read.failure().text;
    EXPECT_EQ(read->startEpochMicros, written.startEpochMicros);
    EXPECT_EQ(read->application, written.application);
    EXPECT_EQ(read->commandLine, written.commandLine);
    EXPECT_EQ(read->logLines, written.logLines);
    ASSERT_EQ(read->steps.size(), written.steps.size());
    for (std::size_t i = 0; i < written.steps.size(); ++i)
        expectSameStep(written.steps[i], read->steps[i], i);
}

TEST(TraceFormat, TextTellsEachOutcomeOnItsLine) {
    const std::string text = formatTraceText(everyOutcome());
    for (const char* expected : {
             "enumerate: 2 devices: /dev/hidraw3 0483:a050 serial ZS0001",
             "open /dev/hidraw3: failed, permission denied",
             "out  firmware version  FB 0A 00",
             "in   page read 31/224: short reply, 32 bytes  FC 28 5A",
             "out  page read 31/224: 11 bytes taken",
             "in   page write 51/224: no reply within the time limit",
             "out  firmware page 81: device gone (write failed)",
             "in   firmware page 81: device gone (read failed)",
             "enumerate: 0 devices",
             "#   Page written: 3999",
         })
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n in:\n" << text.substr(0, 3000);
}

// Every cut of a file, and a few damaged fields: refused with a reason or read
// as far as it goes, never a read outside the bytes (the sanitizers watch).
TEST(TraceFormat, DamagedFilesAreRefusedOrReadSafely) {
    Trace small = everyOutcome();
    small.logLines.resize(2);
    const std::string file = encodePcapng(small);
    for (std::size_t cut = 0; cut < file.size(); ++cut) {
        const auto trace = decodePcapng(std::string_view(file).substr(0, cut));
        if (!trace) {
            EXPECT_FALSE(trace.failure().text.empty()) << cut;
        }
    }
    struct Damage {
        const char* what;
        std::size_t offset;
        std::uint8_t value;
    };
    for (const Damage& d : std::initializer_list<Damage>{
             {"not a section header first", 0, 0x06},
             {"byte order mark", 8, 0x00},
             {"block length not a multiple of 4", 4, 0x03},
             {"block longer than the file", 6, 0x7F},
         }) {
        std::string damaged = file;
        damaged[d.offset] = static_cast<char>(d.value);
        EXPECT_FALSE(decodePcapng(damaged)) << d.what;
    }
}

// A hostile file must not make its reader hold many times its size: past
// the limits the trace is refused, whatever holds the items.
TEST(TraceLimits, ATracePastTheLimitsIsRefused) {
    const auto writes = [](std::size_t count) {
        Trace trace;
        trace.steps.assign(count, exchange(StepKind::Write, 65, 0xFB, 10));
        return trace;
    };
    const auto logOf = [](std::size_t lines, std::size_t length) {
        Trace trace;
        trace.logLines.assign(lines, std::string(length, 'x'));
        return trace;
    };
    const struct {
        const char* what;
        Trace trace;
        bool read;
    } cases[] = {
        {"reports at the limit", writes(kMostTraceReports), true},
        {"one report more", writes(kMostTraceReports + 1), false},
        {"log lines past the limit", logOf(kMostTraceReports + 1, 0), false},
        {"17 MiB of log lines", logOf(280, 64000), false},
    };
    const std::filesystem::path folder = test::makeUniqueFolder("zeru-trace-limits-");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = (folder / "t.pcapng").string();
        std::ofstream(path, std::ios::binary | std::ios::trunc) << encodePcapng(c.trace);
        const Result<Trace> loaded = loadTrace(path);
        EXPECT_EQ(loaded.ok(), c.read);
        if (!loaded) {
            EXPECT_EQ(loaded.failure().text,
                      "Cannot read " + visibleText(path) +
                          ": more than 100000 reports, or 16 MiB of notes and log lines.");
        }
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace zeru::trace
