// SPDX-License-Identifier: GPL-3.0-or-later
// What zeru-cli says and how it exits when it refuses: a usage error (1),
// settings that do not validate (2), a file or image it will not take (3).
// The refusal's own message is the last line of standard error.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "cli_files.h"
#include "cli_process.h"
#include "image/layout.h"

namespace zeru::test {
namespace {

// The files every case may use, made once per test in its own folder.
class Refusals : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(runCli({"defaults", "-o", "base.cfg"}, folder.path()).status, 0);
        ASSERT_EQ(runCli({"encode", "base.cfg", "-o", "good.bin"}, folder.path()).status, 0);
        const ConfigImage good = imageOfFile(folder.file("good.bin"));

        ConfigImage badSum = good;
        badSum[layout::kChecksumOffset] ^= 1;
        writeImageFile(folder.file("bad-sum.bin"), badSum);

        ConfigImage noEnd = good;  // checksum right, end marker gone
        noEnd[kEndMarkerOffset] = 'X';
        fixChecksum(noEnd);
        writeImageFile(folder.file("no-end.bin"), noEnd);

        ConfigImage foreign = good;  // sound, but of configuration version v1.01
        foreign[kConfigVersionOffset + 4] = '1';
        fixChecksum(foreign);
        writeImageFile(folder.file("v101.bin"), foreign);

        writeFile(folder.file("short.bin"), readFile(folder.file("good.bin")).substr(0, 100));

        std::string other = readFile(folder.file("base.cfg"));
        const std::string app = "Application=Kestrovane Zeru Configurator";
        other.replace(other.find(app), app.size(), "Application=Some Other Tool");
        writeFile(folder.file("other.cfg"), other);

        // Special and oversized files, none of which may be read or replaced.
        hasFifo = makeFifo(folder.file("fifo"));
        std::filesystem::create_directory(folder.file("dir.cfg"));
        writeFile(folder.file("long.bin"), readFile(folder.file("good.bin")) + "x");
        std::string huge = readFile(folder.file("base.cfg"));
        huge += std::string(1024 * 1024 + 1 - huge.size(), ';');
        writeFile(folder.file("huge.cfg"), huge);
    }

    ScratchFolder folder;
    bool hasFifo = false;
};

struct RefusalCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string lastLine;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    for (const std::string& a : c.args) *os << a << ' ';
}

class Refusal : public Refusals, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusal, ExitsWithItsStatusAndEndsWithItsMessage) {
    const RefusalCase& c = GetParam();
    if (!hasFifo && std::string(c.name).find("Fifo") != std::string::npos)
        GTEST_SKIP() << "this system has no FIFOs; windows_files_test refuses its devices";
    const CliRun r = runCli(c.args, folder.path());
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_EQ(r.lastErrLine(), c.lastLine) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(folder.exists("out.cfg"));
    EXPECT_FALSE(folder.exists("out.bin"));
}

const std::string kUsageLastLine = "diff: 0 the same, 6 the configurations differ.";
const std::string kIdentificationLastLine = "Operation aborted.";
const std::string kImageError = "Image checksum or end marker error.";

const RefusalCase kRefusals[] = {
    // Usage errors: the reason, then the tool's usage text.
    {"NoCommand", {}, 1, kUsageLastLine},
    {"UnknownCommand", {"frobnicate"}, 1, kUsageLastLine},
    {"UnknownOption", {"--colour", "verify", "good.bin"}, 1, kUsageLastLine},
    {"MissingOutput", {"encode", "base.cfg"}, 1, kUsageLastLine},
    {"OutputWithoutValue", {"decode", "good.bin", "-o"}, 1, kUsageLastLine},
    {"OutputNotTaken", {"verify", "good.bin", "-o", "out.cfg"}, 1, kUsageLastLine},
    {"TooManyInputs", {"encode", "base.cfg", "base.cfg", "-o", "out.bin"}, 1, kUsageLastLine},
    {"SetNotTaken", {"decode", "good.bin", "-o", "out.cfg", "--set", "Radio.Callsign=X"}, 1, kUsageLastLine},
    {"SetWithoutSection", {"encode", "base.cfg", "-o", "out.bin", "--set", "Callsign=X"}, 1, kUsageLastLine},
    {"SetWithoutValue",
     {"encode", "base.cfg", "-o", "out.bin", "--set", "Radio.Callsign"},
     1,
     kUsageLastLine},
    {"SimFaultWithoutSimulate", {"--sim-fault=refuse:3", "read", "-o", "out.cfg"}, 1, kUsageLastLine},
    {"UnknownFaultKind",
     {"--simulate=s.bin", "--sim-fault=melt:3", "read", "-o", "out.cfg"},
     1,
     kUsageLastLine},
    {"FaultWithoutPage", {"--simulate=s.bin", "--sim-fault=refuse", "info"}, 1, kUsageLastLine},
    {"VersionNotANumber", {"--simulate=s.bin", "--sim-version=1.02", "info"}, 1, kUsageLastLine},
    {"VersionPast32Bits", {"--simulate=s.bin", "--sim-version=4294967296", "info"}, 1, kUsageLastLine},
    {"VersionNegative", {"--simulate=s.bin", "--sim-version=-1", "info"}, 1, kUsageLastLine},
    {"SimulateTakesAnOption", {"list", "--simulate", "--versions"}, 1, kUsageLastLine},

    // Settings refused by validation, integer conversion or the --set key.
    {"RangeError",
     {"encode", "base.cfg", "--set", "Beacons.Beacon2_txrate=2", "-o", "out.bin"},
     2,
     "Beacon 2 tx rate range error (5 - 1440)."},
    {"NotAnInteger",
     {"encode", "base.cfg", "--set", "Radio.TXdelay=12a", "-o", "out.bin"},
     2,
     "'12a' is not a valid integer value."},
    {"UnknownKey",
     {"encode", "base.cfg", "--set", "Radio.Nonsense=1", "-o", "out.bin"},
     2,
     "Unknown setting key: Radio.Nonsense"},
    {"KeyOfAnotherSection",
     {"encode", "base.cfg", "--set", "Beacons.Callsign=X", "-o", "out.bin"},
     2,
     "Unknown setting key: Beacons.Callsign"},
    {"HeaderKey",
     {"encode", "base.cfg", "--set", "!WARNING.Application=X", "-o", "out.bin"},
     2,
     "Unknown setting key: !WARNING.Application"},
    {"ChoiceByName",
     {"encode", "base.cfg", "--set", "Radio.PTT=High", "-o", "out.bin"},
     2,
     "'High' is not a valid choice index for Radio.PTT"},
    {"ChoicePastItsList",
     {"check", "base.cfg", "--set", "SerialPorts.Serial1=9"},
     2,
     "'9' is outside the choices of SerialPorts.Serial1 (0 to 4)"},
    {"ChoiceBelowItsList",
     {"encode", "base.cfg", "--set", "serialports.serial2=-1", "-o", "out.bin"},
     2,
     "'-1' is outside the choices of SerialPorts.Serial2 (0 to 3)"},

    // Files and images refused, or not to be read or written.
    {"FileOfAnotherProgram", {"encode", "other.cfg", "-o", "out.bin"}, 3, kIdentificationLastLine},
    {"MissingFile", {"encode", "missing.cfg", "-o", "out.bin"}, 3, "missing.cfg does not exist."},
    {"VerifyWrongSum", {"verify", "bad-sum.bin"}, 3, kImageError},
    {"VerifyNoEndMarker", {"verify", "no-end.bin"}, 3, kImageError},
    {"DecodeWrongSum", {"decode", "bad-sum.bin", "-o", "out.cfg"}, 3, kImageError},
    {"DecodeNoEndMarker", {"decode", "no-end.bin", "-o", "out.cfg"}, 3, kImageError},
    {"DecodeForeignVersion",
     {"decode", "v101.bin", "-o", "out.cfg"},
     3,
     "You need to use Configurator v1.01 or write new configuration using \"Write config\" button."},
    {"VerifyShortImage",
     {"verify", "short.bin"},
     3,
     "short.bin is not a configuration image (100 bytes, not 7168)."},
    {"DecodeShortImage",
     {"decode", "short.bin", "-o", "out.cfg"},
     3,
     "short.bin is not a configuration image (100 bytes, not 7168)."},
    {"VerifyMissingImage", {"verify", "missing.bin"}, 3, "Unable to read missing.bin."},
    {"DefaultsIntoMissingFolder",
     {"defaults", "-o", "nowhere/out.cfg"},
     3,
     "Unable to write to nowhere/out.cfg."},
    {"EncodeIntoMissingFolder",
     {"encode", "base.cfg", "-o", "nowhere/out.bin"},
     3,
     "Unable to write to nowhere/out.bin."},
    {"OutputIsAFifo", {"defaults", "-o", "fifo"}, 3, "Unable to write to fifo."},
    {"OutputIsAFolder", {"encode", "base.cfg", "-o", "dir.cfg"}, 3, "Unable to write to dir.cfg."},
    {"StateFileIsAFifo", {"--simulate=fifo", "read", "-o", "out.cfg"}, 3, "Unable to write to fifo."},
    {"StateFileIsAFolder", {"--simulate=dir.cfg", "info"}, 3, "Unable to write to dir.cfg."},
    {"StateFileOfAnotherSize", {"--simulate=short.bin", "info"}, 3, "short.bin holds 100 bytes, not 7168"},
    {"ReplayOfMissingFile",
     {"--replay=missing.pcapng", "info"},
     3,
     "Cannot read missing.pcapng: no such file."},
    {"ReplayOfAnImage", {"--replay=good.bin", "info"}, 3, "good.bin is not a trace: not a pcapng file."},
    {"InputIsAFifo", {"encode", "fifo", "-o", "out.bin"}, 3, "fifo cannot be read: Not a regular file."},
    {"InputIsAFolder", {"encode", "dir.cfg", "-o", "out.bin"}, 3, "dir.cfg cannot be read: Is a directory."},
    {"CheckMissingFile", {"check", "missing.cfg"}, 3, "missing.cfg does not exist."},
    {"ImageIsAFifo", {"verify", "fifo"}, 3, "Unable to read fifo."},
    {"ImageTooLong",
     {"verify", "long.bin"},
     3,
     "long.bin is not a configuration image (7169 bytes, not 7168)."},
    {"ConfigurationTooLarge",
     {"encode", "huge.cfg", "-o", "out.bin"},
     3,
     "huge.cfg is too large for a configuration file (1048577 bytes, at most 1048576)."},
    {"DecodeIntoMissingFolder",
     {"decode", "good.bin", "-o", "nowhere/out.cfg"},
     3,
     "Unable to write to nowhere/out.cfg."},
};

INSTANTIATE_TEST_SUITE_P(Kinds, Refusal, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

// A usage error names what is wrong first, then the tool's usage text.
TEST_F(Refusals, UsageErrorTellsTheReasonThenTheUsage) {
    const CliRun r = runCli({"encode", "base.cfg"}, folder.path());
    ASSERT_EQ(r.status, 1);
    const auto lines = r.errLines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "zeru-cli: -o is required");
    EXPECT_EQ(lines[2].rfind("Usage: zeru-cli ", 0), 0u) << lines[2];
}

// The whole box, one line per line of text, trailing spaces kept.
TEST_F(Refusals, FileOfAnotherProgramShowsTheWholeIdentificationMessage) {
    const CliRun r = runCli({"encode", "other.cfg", "-o", "out.bin"}, folder.path());
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err,
              "Imported configuration file is not a Kestrovane configuration file. \nOperation aborted.\n");
}

TEST_F(Refusals, ForeignVersionShowsTheWholeVersionMessage) {
    const CliRun r = runCli({"decode", "v101.bin", "-o", "out.cfg"}, folder.path());
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(
        r.err,
        "Uncompatible configuration version:\nDevice: v1.01\nConfigurator: v1.02\n\n"
        "You need to use Configurator v1.01 or write new configuration using \"Write config\" button.\n");
}

// A refused decode leaves an existing output file as it was.
TEST_F(Refusals, RefusedDecodeKeepsTheExistingOutput) {
    const std::string before = readFile(folder.file("base.cfg"));
    EXPECT_EQ(runCli({"decode", "bad-sum.bin", "-o", "base.cfg"}, folder.path()).status, 3);
    EXPECT_EQ(readFile(folder.file("base.cfg")), before);
}

}  // namespace
}  // namespace zeru::test
