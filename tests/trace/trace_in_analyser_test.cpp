// SPDX-License-Identifier: GPL-3.0-or-later
// Traces that zeru-cli records against the simulator, as Debian's tshark
// reads them: one frame per URB after the six of the descriptors, the report
// descriptor recognised, every report decoded as HID data of its length, and
// a fault at the frame where it happened.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "cli_process.h"

namespace zeru::test {
namespace {

struct Frame {
    int number = 0;
    std::string urbType;  // 'S', 'C' or 'E'
    int status = 0;
    int dataLength = 0;
    std::string hidData;  // hex
    std::string reportCounts;
};

bool haveTshark() { return std::system("command -v tshark >/dev/null 2>&1") == 0; }

std::vector<Frame> framesOf(const std::string& file, const ScratchFolder& folder) {
    // tshark keeps its preferences under HOME: the scratch folder's.
    const std::string command =
        "env HOME=" + folder.path().string() + " XDG_CONFIG_HOME=" + folder.path().string() + " tshark -r " +
        file +
        " -T fields -E separator=/t -e frame.number -e usb.urb_type -e usb.urb_status"
        " -e usb.data_len -e usbhid.data -e usbhid.item.global.report_count 2>/dev/null";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return {};
    std::string output;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
    ::pclose(pipe);
    std::vector<Frame> frames;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> f;
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '\t');) f.push_back(field);
        f.resize(6);
        frames.push_back(
            {std::atoi(f[0].c_str()), f[1], std::atoi(f[2].c_str()), std::atoi(f[3].c_str()), f[4], f[5]});
    }
    return frames;
}

struct Recording {
    const char* what;
    std::vector<std::string> command;
    int exchanges;      // request and reply pairs the flow makes
    int faultFrame;     // 0 when none
    const char* fault;  // what tshark shows there: "short", "timeout", "gone"
};

TEST(TraceInAnalyser, FramesAndReportsOfReadWriteAndUpload) {
    if (!haveTshark()) GTEST_SKIP() << "tshark is not installed (scripts/install-deps.sh --test installs it)";
    ScratchFolder folder;
    ASSERT_EQ(runCli({"defaults", "-o", "base.cfg"}, folder.path()).status, 0);
    // Exchange k (from 1) takes frames 6 + 4k - 3 to 6 + 4k: request submitted
    // and done, reply awaited and come.
    const std::vector<Recording> recordings = {
        {"write", {"--simulate=state.bin", "write", "--no-backup", "base.cfg"}, 1 + 224 + 224, 0, ""},
        {"read", {"--simulate=state.bin", "read", "-o", "out.cfg"}, 1 + 224 + 2, 0, ""},
        {"upload", {"--simulate=state.bin", "upload-firmware", "--no-backup"}, 1408, 0, ""},
        {"short reply",
         {"--simulate=state.bin", "--sim-fault=short:5", "read", "-o", "out.cfg"},
         7,
         34,
         "short"},
        {"no reply",
         {"--simulate=state.bin", "--sim-fault=silent:5", "read", "-o", "out.cfg"},
         7,
         34,
         "timeout"},
        {"device gone",
         {"--simulate=state.bin", "--sim-fault=gone:5", "read", "-o", "out.cfg"},
         7,
         33,
         "gone"},
    };
    for (const Recording& r : recordings) {
        SCOPED_TRACE(r.what);
        std::vector<std::string> args = {"--trace=trace.pcapng"};
        args.insert(args.end(), r.command.begin(), r.command.end());
        runCli(args, folder.path());
        const std::vector<Frame> frames = framesOf(folder.file("trace.pcapng"), folder);
        // A device gone leaves its reply as one error event instead of two.
        const std::size_t expected =
            6 + 4 * static_cast<std::size_t>(r.exchanges) - (r.fault == std::string("gone"));
        ASSERT_EQ(frames.size(), expected);
        EXPECT_EQ(frames[5].reportCounts, "64,64") << "the report descriptor, in and out";
        int reports = 0;
        for (const Frame& f : frames) {
            if (f.hidData.empty() || f.number == r.faultFrame) continue;
            ++reports;
            EXPECT_EQ(f.dataLength, 64) << "frame " << f.number;
            EXPECT_EQ(f.hidData.size(), 128u) << "frame " << f.number;
        }
        EXPECT_EQ(reports, 2 * r.exchanges - (r.faultFrame ? 1 : 0));
        if (r.faultFrame == 0) continue;
        const Frame& at = frames[static_cast<std::size_t>(r.faultFrame - 1)];
        if (r.fault == std::string("short")) {
            EXPECT_EQ(at.status, -121);
            EXPECT_EQ(at.dataLength, 32);
            EXPECT_EQ(at.hidData.substr(0, 6), "fc0500") << "the reply to page 5";
        } else if (r.fault == std::string("timeout")) {
            EXPECT_EQ(at.urbType, "'C'");
            EXPECT_EQ(at.status, -110);
        } else {
            EXPECT_EQ(at.urbType, "'E'");
            EXPECT_EQ(at.status, -19);
        }
    }
}

}  // namespace
}  // namespace zeru::test
