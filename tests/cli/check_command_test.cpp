// SPDX-License-Identifier: GPL-3.0-or-later
// zeru-cli check through the real executable: the problem lines on standard
// output, the count, and the exit status that only errors change.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_process.h"

namespace zeru::test {
namespace {

struct CheckCase {
    const char* name;
    std::vector<std::string> sets;
    int status;
    std::string out;
    std::string err = "";  // the rules' boxes
};

const CheckCase kChecks[] = {
    {"Defaults", {}, 0, "No problems.\n"},
    {"OneError",
     {"Radio.Callsign="},
     2,
     "error: Radio.Callsign: Callsign - too short (ex. NOCALL-4).\n1 problem.\n"},
    {"NotANumberGoesOn",
     {"Radio.TXdelay=5a", "Radio.Quiettime=1"},
     2,
     "error: Radio.TXdelay: '5a' is not a valid integer value.\n"
     "error: Radio.Quiettime: Quiet time - range error (200 - 3000).\n2 problems.\n"},
    {"WarningsKeepSuccess",
     {"PositionReports.MiceMessage=7"},
     0,
     "warning: PositionReports.MiceMessage: Mic-E message - Emergency sets off alarms at every station that "
     "hears "
     "it.\n1 problem.\n"},
    {"ErrorsBeforeWarnings",
     {"PositionReports.SSID2=2", "Weather.Weather_txrate=0"},
     2,
     "error: Weather.Weather_txrate: Weather report tx rate range error (5 - 1440).\n"
     "warning: PositionReports.Path2: Position report path - asks for 3 hops; use at most 2 (ex. "
     "WIDE1-1,WIDE2-1).\n"
     "2 problems.\n"},
    {"ControlCharactersEscaped",
     {"Radio.TXdelay=\x1b[2J"},
     2,
     "error: Radio.TXdelay: '\\x1B[2J' is not a valid integer value.\n1 problem.\n"},
    {"AddressesAdvisedWithTheirValueEscaped",
     {"Beacons.Beacon1_path1_string=RELAY,", "Radio.Callsign=OK\x1b\xc2\xad\xe2\x80\xae"},
     0,
     // The soft hyphen is stored in Latin-1, the bidirectional control as '?'.
     "warning: Radio.Callsign: \"OK\\x1B\\u00AD?\" is not a valid AX.25 address\n"
     "warning: Beacons.Beacon1_path1_string: \"RELAY,\" is not a valid AX.25 address\n2 problems.\n"},
    {"PortRolesThatNoRuleSettled",
     {"SerialPorts.Serial2=3", "SerialPorts.Serial1=4"},
     0,
     "warning: SerialPorts.Serial1: GPS passthrough function on Bluetooth 1 port needs a GPS connected to "
     "RS-232 port 2.\n"
     "warning: SerialPorts.Serial2: GPS passthrough function on Bluetooth 1 port needs a GPS connected to "
     "RS-232 port 2.\n2 problems.\n",
     "RS-232 port 2 changed to GPS.\nReason:\nGPS passthrough function on Bluetooth 1 port needs a GPS "
     "connected to RS-232 port 2.\n"},
};

class Check : public ::testing::TestWithParam<CheckCase> {};

TEST_P(Check, ListsEveryProblemAndExitsByTheErrors) {
    ScratchFolder folder;
    ASSERT_EQ(runCli({"defaults", "-o", "base.cfg"}, folder.path()).status, 0);
    std::vector<std::string> args = {"check", "base.cfg"};
    for (const std::string& s : GetParam().sets) args.insert(args.end(), {"--set", s});
    const CliRun r = runCli(args, folder.path());
    EXPECT_EQ(r.status, GetParam().status) << r.err;
    EXPECT_EQ(r.out, GetParam().out);
    EXPECT_EQ(r.err, GetParam().err);
}

INSTANTIATE_TEST_SUITE_P(Statuses, Check, ::testing::ValuesIn(kChecks),
                         [](const auto& info) { return std::string(info.param.name); });

// A file may hold a choice outside its list: it loads as before, and is told.
TEST(CheckFile, AChoiceOutsideItsListIsAWarning) {
    ScratchFolder folder;
    ASSERT_EQ(runCli({"defaults", "-o", "base.cfg"}, folder.path()).status, 0);
    std::string file = readFile(folder.file("base.cfg"));
    const auto at = file.find("Serial1=2");
    ASSERT_NE(at, std::string::npos);
    file.replace(at, 9, "Serial1=9");
    writeFile(folder.file("odd.cfg"), file);
    const CliRun r = runCli({"check", "odd.cfg"}, folder.path());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(
        r.out,
        "warning: SerialPorts.Serial1: RS-232 port 2 - outside its list: the device gets no selection.\n"
        "1 problem.\n");
}

TEST(CheckRefusal, AFileThatCannotBeReadIsNotChecked) {
    ScratchFolder folder;
    const CliRun r = runCli({"check", "missing.cfg"}, folder.path());
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.out, "");
}

}  // namespace
}  // namespace zeru::test
