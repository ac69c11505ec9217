// SPDX-License-Identifier: GPL-3.0-or-later
// zeru-cli diff through the real executable: every kind of source against
// every other, its exit statuses, its lines and the fragment it writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "cli_process.h"

namespace zeru::test {
namespace {

const std::string kSim = "--simulate=state.bin";
const std::string kHeader = "[!WARNING]\r\nApplication=Kestrovane Zeru Configurator\r\nVersion=v1.02\r\n";

class Diff : public ::testing::Test {
protected:
    void SetUp() override {
        ok({"defaults", "-o", "base.cfg"});
        std::string raw = readFile(folder.file("base.cfg"));
        raw.replace(raw.find("TXdelay=250"), 11, "TXdelay=0300");
        writeFile(folder.file("one.cfg"), raw);
        raw.replace(raw.find("Callsign=NOCALL"), 15, "Callsign=SP\"1\\");
        writeFile(folder.file("raw.cfg"), raw);
        writeFile(folder.file("header.cfg"), kHeader);
        ok({"encode", "base.cfg", "-o", "base.bin"});
        ok({"decode", "base.bin", "-o", "norm.cfg"});  // the defaults as an image gives them back
        ok({"encode", "raw.cfg", "-o", "changed.bin"});
        ok({"decode", "changed.bin", "-o", "changed.cfg"});
        ok({kSim, "write", "changed.cfg"});  // the simulated device holds changed.cfg
        writeFile(folder.file("short.bin"), "too short");
    }
    void ok(const std::vector<std::string>& args) {
        const CliRun r = runCli(args, folder.path());
        ASSERT_EQ(r.status, 0) << r.err;
    }
    CliRun run(const std::vector<std::string>& args) { return runCli(args, folder.path()); }

    ScratchFolder folder;
};

std::string lastLine(const std::string& text) {
    const auto end = text.find_last_not_of('\n');
    if (end == std::string::npos) return {};
    const auto start = text.rfind('\n', end);
    return text.substr(start == std::string::npos ? 0 : start + 1,
                       end - (start == std::string::npos ? 0 : start + 1) + 1);
}

struct Pair {
    std::vector<std::string> args;
    int status;
    std::string last;  // last line of standard output; "" when it stays empty
};

TEST_F(Diff, EveryPairOfSourceKinds) {
    const Pair pairs[] = {
        {{kSim, "diff", "defaults", "defaults"}, 0, "No differences."},
        {{kSim, "diff", "base.cfg", "defaults"}, 0, "No differences."},
        {{kSim, "diff", "norm.cfg", "base.bin"}, 0, "No differences."},
        {{kSim, "diff", "base.cfg", "norm.cfg"}, 6, "8 settings differ."},  // two files, as written
        {{kSim, "diff", "base.cfg", "base.bin"}, 0, "No differences."},     // a file as the image holds it
        {{kSim, "diff", "changed.bin", "device"}, 0, "No differences."},
        {{kSim, "diff", "device", "changed.cfg"}, 0, "No differences."},
        {{kSim, "diff", "device", "device"}, 0, "No differences."},
        {{kSim, "diff", "base.bin", "changed.bin"}, 6, "2 settings differ."},
        {{kSim, "diff", "defaults", "base.bin"}, 0, "No differences."},
        {{kSim, "diff", "device", "defaults"}, 6, "2 settings differ."},
        {{kSim, "diff", "one.cfg", "raw.cfg"}, 6, "1 setting differs."},
        // A side that cannot be had: its own refusal and status, nothing on standard output.
        {{kSim, "diff", "missing.cfg", "defaults"}, 3, ""},
        {{kSim, "diff", "defaults", "short.bin"}, 3, ""},
        {{"diff", "defaults", "device"}, 4, ""},
        {{kSim, "--sim-fault=refuse:3", "diff", "base.cfg", "device"}, 5, ""},
        {{kSim, "diff", "base.cfg", "defaults", "--format=xml"}, 1, ""},
    };
    for (const Pair& p : pairs) {
        const CliRun r = run(p.args);
        SCOPED_TRACE(p.args[p.args.size() - 2] + " " + p.args.back() + "\n" + r.out + r.err);
        EXPECT_EQ(r.status, p.status);
        EXPECT_EQ(lastLine(r.out), p.last);
    }
}

TEST_F(Diff, LinesQuoteValuesInFileKeyOrder) {
    EXPECT_EQ(run({"diff", "defaults", "raw.cfg"}).out,
              "Radio.Callsign: \"NOCALL\" -> \"SP\\\"1\\\\\"\n"
              "Radio.TXdelay: \"250\" -> \"300\"\n"
              "2 settings differ.\n");
    EXPECT_EQ(run({"diff", "base.bin", "changed.bin"}).out, run({"diff", "norm.cfg", "changed.cfg"}).out);
}

// Against a file of only the header (every setting at its load default), the
// fragment holds all a configuration is made of, and loads back to it.
TEST_F(Diff, FragmentLoadsBackToTheSameDifferences) {
    const CliRun fragment = run({"diff", "header.cfg", "changed.bin", "--format=cfg"});
    ASSERT_EQ(fragment.status, 6) << fragment.err;
    writeFile(folder.file("fragment.cfg"), fragment.out);
    // The header as a save writes it, then the differing keys under their sections.
    const std::string base = readFile(folder.file("base.cfg"));
    const std::string savedHeader = base.substr(0, base.find("[Radio]"));
    EXPECT_EQ(fragment.out.rfind(savedHeader + "[Radio]\r\nCallsign=SP\"1\\\r\n", 0), 0u) << fragment.out;

    const CliRun lines = run({"diff", "header.cfg", "changed.bin"});
    const auto entries = std::count(fragment.out.begin(), fragment.out.end(), '=');
    EXPECT_EQ(entries, 3 + std::count(lines.out.begin(), lines.out.end(), '\n') - 1);  // 3 header keys
    EXPECT_EQ(run({"diff", "header.cfg", "fragment.cfg"}).out, lines.out);
    EXPECT_EQ(run({"diff", "changed.bin", "fragment.cfg"}).out, "No differences.\n");
    EXPECT_EQ(run({"diff", "raw.cfg", "raw.cfg", "--format=cfg"}).out, savedHeader);
}

// A pair of port roles the rules would change is written as it stands, told
// before the write, and compared as the device holds it: a read settles it,
// so the file read back differs from the device.
TEST_F(Diff, PortRolesAreComparedAsTheDeviceHoldsThem) {
    const std::string passthrough =
        "GPS passthrough function on Bluetooth 1 port needs a GPS connected to RS-232 port 2.";
    const CliRun written =
        run({kSim, "write", "base.cfg", "--set", "SerialPorts.Serial2=3", "--set", "SerialPorts.Serial1=4"});
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_NE(written.err.find("warning: SerialPorts.Serial1: " + passthrough +
                               "\n"
                               "warning: SerialPorts.Serial2: " +
                               passthrough + "\n"),
              std::string::npos)
        << written.err;
    ok({kSim, "read", "-o", "rd.cfg"});
    ok({kSim, "encode", "rd.cfg", "-o", "rd.bin"});
    const CliRun device = run({kSim, "diff", "device", "rd.cfg"});
    EXPECT_EQ(device.status, 6);
    EXPECT_EQ(device.out, "SerialPorts.Serial1: \"KISS\" -> \"GPS\"\n1 setting differs.\n");
    EXPECT_EQ(device.err.find("changed to"), std::string::npos);      // no rule spoke: nothing was settled
    EXPECT_EQ(run({"diff", "state.bin", "rd.bin"}).out, device.out);  // the device's memory as an image
}

}  // namespace
}  // namespace zeru::test
