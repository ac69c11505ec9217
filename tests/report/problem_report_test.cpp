// SPDX-License-Identifier: GPL-3.0-or-later
// The problem report's archive holds what its README says, and the Bluetooth
// password nowhere, while its trace still replays.
#include "report/problem_report.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <algorithm>
#include <cctype>
#include <map>

#include "device/device_flows.h"
#include "report/password_mask.h"
#include "settings/settings_model.h"
#include "sim/simulator_transport.h"
#include "support/recording_ui.h"
#include "trace/pcapng_writer.h"
#include "trace/recording_transport.h"
#include "trace/replay_transport.h"

namespace zeru::report {
namespace {

// Every file of a .zip by its name.
std::map<std::string, std::string> unzip(const std::string& archive) {
    std::map<std::string, std::string> files;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(archive.data(), archive.size(), 0, &error);
    zip_t* zip = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    if (zip == nullptr) {
        ADD_FAILURE() << "not a zip: " << zip_error_strerror(&error);
        return files;
    }
    for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) {
        zip_stat_t stat;
        zip_stat_index(zip, static_cast<zip_uint64_t>(i), 0, &stat);
        std::string bytes(static_cast<std::size_t>(stat.size), '\0');
        zip_file_t* file = zip_fopen_index(zip, static_cast<zip_uint64_t>(i), 0);
        EXPECT_EQ(zip_fread(file, bytes.data(), stat.size), static_cast<zip_int64_t>(stat.size));
        zip_fclose(file);
        files[stat.name] = bytes;
    }
    zip_discard(zip);
    return files;
}

struct DeviceRun {
    sim::DeviceState device;
    sim::SimulatorTransport simulator{device};
    trace::TraceRecorder recorder;
    trace::RecordingTransport recording{simulator, recorder};
    test::RecordingUi ui;
    SettingsModel settings;
    ConfigImages images;
};

struct Written {
    trace::Trace write;         // requests and the device's echoes
    trace::Trace trace;         // the read
    std::string configuration;  // masked
};

// A device written with password 7351 (the default) and callsign OK1ZRU,
// then read on record.
Written writeThenRead() {
    DeviceRun run;
    run.settings.setText(SettingId::Callsign, "OK1ZRU");
    EXPECT_TRUE(DeviceFlows(run.settings, run.ui, run.images, run.recording).writeConfig());
    trace::Trace write = run.recorder.trace();
    run.recorder.restart();
    EXPECT_TRUE(DeviceFlows(run.settings, run.ui, run.images, run.recording).readConfig());
    return {write, run.recorder.trace(), configurationWithoutPassword(run.settings).value()};
}

TEST(ProblemReport, ThePasswordIsMaskedAndTheTraceStillReplays) {
    Written written = writeThenRead();
    trace::Trace& recorded = written.trace;
    maskPassword(recorded);
    maskPassword(written.write);
    EXPECT_EQ(trace::encodePcapng(recorded).find("7351"), std::string::npos);
    EXPECT_EQ(trace::encodePcapng(written.write).find("7351"), std::string::npos);

    trace::ReplayTransport replay(recorded);
    test::RecordingUi ui;
    SettingsModel replayed;
    ConfigImages images;
    EXPECT_TRUE(DeviceFlows(replayed, ui, images, replay).readConfig())
        << "page sums and checksum follow the mask";
    EXPECT_EQ(replayed.text(SettingId::Bluetooth_password), "****");
    EXPECT_EQ(replayed.text(SettingId::Callsign), "OK1ZRU");

    const std::string& configuration = written.configuration;
    EXPECT_NE(configuration.find("Bluetooth_password=****"), std::string::npos);
    EXPECT_EQ(configuration.find("7351"), std::string::npos);
}

TEST(ProblemReport, TheArchiveHoldsWhatItsReadmeSays) {
    const Written written = writeThenRead();
    struct Case {
        const char* what;
        bool withTrace;
        bool withConfiguration;
        std::vector<std::string> names;
    };
    const std::vector<Case> cases = {
        {"nothing named", false, false, {"README.txt", "devices.txt", "system.txt", "version.txt"}},
        {"trace and configuration",
         true,
         true,
         {"README.txt", "config.cfg", "devices.txt", "log.txt", "system.txt", "trace.pcapng", "trace.txt",
          "version.txt"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProblemReport problem{.writtenBy = "a test",
                              .program = "Kestrovane Zeru Configurator 1.02",
                              .hidapiVersion = "0.13.1",
                              .system = "Kernel: Linux\n",
                              .devices = {"/dev/hidraw3\tZS0001\t1.02\tZeru-1 rev. A"}};
        if (c.withTrace) {
            problem.trace = written.trace;
            problem.logLines = {"Eeprom read success."};
        }
        if (c.withConfiguration) problem.configuration = written.configuration;
        const auto files = unzip(reportArchive(problem).value());
        std::vector<std::string> names;
        for (const auto& [name, bytes] : files) {
            names.push_back(name);
            EXPECT_EQ(bytes.find("7351"), std::string::npos) << name;
            if (name != "README.txt") {
                EXPECT_NE(files.at("README.txt").find("  " + name), std::string::npos) << name;
            }
        }
        EXPECT_EQ(names, c.names);
        EXPECT_EQ(files.at("version.txt").find("Qt: not used"), files.at("version.txt").find("Qt: "));
    }
}

// The device held `before`; the trace reads it, then writes `after`.
trace::Trace readThenWrite(const std::string& before, const std::string& after) {
    DeviceRun run;
    run.settings.setText(SettingId::Bluetooth_password, before);
    EXPECT_TRUE(DeviceFlows(run.settings, run.ui, run.images, run.recording).writeConfig());
    run.recorder.restart();
    EXPECT_TRUE(DeviceFlows(run.settings, run.ui, run.images, run.recording).readConfig());
    run.settings.setText(SettingId::Bluetooth_password, after);
    EXPECT_TRUE(DeviceFlows(run.settings, run.ui, run.images, run.recording).writeConfig());
    return run.recorder.trace();
}

TEST(ProblemReport, NoFileOfTheArchiveCarriesThePassword) {
    const struct {
        std::string before, after;
        std::vector<std::string> commandLine;
        std::string typed;  // a value typed on the command line; "" for `after`
    } cases[] = {
        {"4862",
         "9137",
         {"zeru-cli", "write", "old.cfg", "--set", "SerialPorts.Bluetooth_password=9137"},
         ""},
        {"7351", "0420", {"zeru-cli", "--set=serialports.bluetooth_PASSWORD=0420", "write", "a.cfg"}, ""},
        {"2580",
         "3690",
         {"zeru-cli", "write", "a.cfg", "--set=SerialPorts.Bluetooth_password=a\"\\\xC3\xA9", "--set",
          "SERIALPORTS.BLUETOOTH_PASSWORD=3690"},
         "a\"\\\xE9"},
        // Too short to sweep: masked where its shape tells it.
        {"1234", "5678", {"zeru-cli", "write", "a.cfg", "--set", "SerialPorts.Bluetooth_password=12"}, "12"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.after);
        const std::string typed = c.typed.empty() ? c.after : c.typed;
        const std::string change = "SerialPorts.Bluetooth_password: \"" + c.before + "\" -> \"" +
                                   (c.typed == "12"   ? c.typed
                                    : c.typed.empty() ? c.after
                                                      : "a\\\"\\\\\xC3\xA9") +
                                   "\"";
        ProblemReport problem{.writtenBy = "a test", .logLines = {"Eeprom read success.", change}};
        problem.trace = readThenWrite(c.before, c.after);
        problem.trace->commandLine = c.commandLine;
        problem.trace->logLines = problem.logLines;
        // Fields the masking knows nothing of: swept for the values found.
        problem.trace->steps.front().path = "/dev/hidraw" + typed;
        problem.devices = {"/dev/hidraw1\tZS" + typed + "\t1.02"};

        const std::string archive = reportArchive(problem).value();
        const auto files = unzip(archive);
        ASSERT_TRUE(files.contains("trace.txt"));
        std::string text = files.at("trace.txt");
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
        EXPECT_NE(text.find("serialports.bluetooth_password=****"), std::string::npos);
        EXPECT_NE(files.at("log.txt").find("Bluetooth_password: \"****\" -> \"****\""), std::string::npos);
        const std::vector<std::string> values = {c.before, c.after, typed, latin1ToUtf8(typed), "a\\\"\\\\"};
        for (const std::string& value : values) {
            if (value.size() < 3) continue;
            EXPECT_EQ(archive.find(value), std::string::npos) << value;
            for (const auto& [name, bytes] : files) EXPECT_EQ(bytes.find(value), std::string::npos) << name;
        }
    }
}

}  // namespace
}  // namespace zeru::report
