// SPDX-License-Identifier: GPL-3.0-or-later
// list and --device through the real executable, against the built-in
// simulator's one device and, for "none", against USB.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_process.h"
#include "device/upload_notice.h"

namespace zeru::test {
namespace {

struct ChoiceCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string out;       // standard output, whole
    std::string lastLine;  // of standard error
};

class DeviceChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(DeviceChoice, FindsTheChosenDeviceOrSaysWhichIsMissing) {
    const ChoiceCase& c = GetParam();
    ScratchFolder folder;
    const CliRun r = runCli(c.args, folder.path());
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.lastErrLine(), c.lastLine) << r.err;
}

const std::string kSim = "--simulate=state.bin";
const std::string kHardwareLine = "Hardware version: Zeru-1 rev. A";

INSTANTIATE_TEST_SUITE_P(
    Commands, DeviceChoice,
    ::testing::Values(ChoiceCase{"ListSimulated", {kSim, "list"}, 0, "sim:kestrovane-zeru\tZS0001\n", ""},
                      ChoiceCase{"ListVersions",
                                 {kSim, "list", "--versions"},
                                 0,
                                 "sim:kestrovane-zeru\tZS0001\t1.02\tZeru-1 rev. A\n",
                                 ""},
                      ChoiceCase{"ListVersionsOfASilentDevice",
                                 {kSim, "--sim-fault=silent:fw", "list", "--versions"},
                                 5,
                                 "sim:kestrovane-zeru\tZS0001\t-\t-\n",
                                 ""},
                      ChoiceCase{"ListNone", {"list"}, 4, "", "No device."},
                      ChoiceCase{
                          "ByPath", {kSim, "info", "--device", "sim:kestrovane-zeru"}, 0, "", kHardwareLine},
                      ChoiceCase{"BySerial", {kSim, "info", "--device", "ZS0001"}, 0, "", kHardwareLine},
                      ChoiceCase{"MissingPath",
                                 {kSim, "info", "--device", "/dev/hidraw9"},
                                 4,
                                 "",
                                 "Kestrovane Zeru /dev/hidraw9 not found."},
                      ChoiceCase{"MissingForRead",
                                 {kSim, "read", "-o", "out.cfg", "--device", "ZS0002"},
                                 4,
                                 "",
                                 "Kestrovane Zeru ZS0002 not found."},
                      ChoiceCase{"MissingForUpload",
                                 {kSim, "upload-firmware", "--device", "/dev/hidraw9"},
                                 4,
                                 firmwareUploadFacts() + "\n",
                                 "Kestrovane Zeru /dev/hidraw9 not found."},
                      ChoiceCase{"MissingForDiff",
                                 {kSim, "diff", "defaults", "device", "--device", "ZS0009"},
                                 4,
                                 "",
                                 "Kestrovane Zeru ZS0009 not found."},
                      ChoiceCase{"NotForFiles",
                                 {"defaults", "-o", "out.cfg", "--device", "x"},
                                 1,
                                 "",
                                 "diff: 0 the same, 6 the configurations differ."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zeru::test
