// SPDX-License-Identifier: GPL-3.0-or-later
// read, write, info and upload-firmware through the real executable, against
// the built-in simulator (--simulate) and, for "no device", against USB.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "cli_files.h"
#include "cli_process.h"
#include "device/device_link.h"
#include "device/upload_notice.h"
#include "image/codec.h"
#include "interaction/visible_text.h"

namespace zeru::test {
namespace {

class DeviceCommands : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(run({"defaults", "-o", "base.cfg"}).status, 0); }

    CliRun run(const std::vector<std::string>& args) { return runCli(args, folder.path()); }

    // Puts the base file into the simulated device's memory.
    void writeBase() { ASSERT_EQ(run({"--simulate=state.bin", "write", "base.cfg"}).status, 0); }

    ScratchFolder folder;
};

const std::string kNotFound = "Kestrovane Zeru not found.";

// Without --simulate the tool looks for the device on USB; the test machine
// has none.
TEST_F(DeviceCommands, EveryDeviceCommandTellsThatNoDeviceIsThere) {
    const std::vector<std::vector<std::string>> commands{
        {"read", "-o", "out.cfg"}, {"write", "base.cfg"}, {"info"}, {"upload-firmware"}};
    for (const auto& command : commands) {
        const CliRun r = run(command);
        EXPECT_EQ(r.status, 4) << command[0] << ": " << r.err;
        EXPECT_EQ(r.errLines(), (std::vector<std::string>{kNotFound, notFoundAdviceLine()})) << command[0];
    }
    EXPECT_FALSE(folder.exists("out.cfg"));
}

// The state file carries the device's memory from one run to the next.
TEST_F(DeviceCommands, WriteThenReadInTwoRunsGivesTheWrittenSettings) {
    const CliRun written = run({"--simulate=state.bin", "write", "base.cfg", "--set", "Radio.Callsign=OK1ZRU",
                                "--set", "Radio.TXdelay=300", "--set", "Radio.PTT=1"});
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.err, "");
    ASSERT_TRUE(folder.exists("state.bin"));
    EXPECT_TRUE(VerifyImage(imageOfFile(folder.file("state.bin"))));

    const CliRun read = run({"--simulate=state.bin", "read", "-o", "read.cfg"});
    ASSERT_EQ(read.status, 0) << read.err;
    // After the read the window shows the device's versions.
    EXPECT_EQ(read.errLines(),
              (std::vector<std::string>{"Firmware version: 1.02", "Hardware version: Zeru-1 rev. A"}));

    // The same settings through an image file, with the image's normalisations.
    ASSERT_EQ(run({"encode", "base.cfg", "--set", "Radio.Callsign=OK1ZRU", "--set", "Radio.TXdelay=300",
                   "--set", "Radio.PTT=1", "-o", "expected.bin"})
                  .status,
              0);
    ASSERT_EQ(run({"decode", "expected.bin", "-o", "expected.cfg"}).status, 0);
    EXPECT_EQ(readFile(folder.file("read.cfg")), readFile(folder.file("expected.cfg")));
    const SettingsModel settings = settingsOfFile(folder.file("read.cfg"));
    EXPECT_EQ(settings.text(SettingId::Callsign), "OK1ZRU");
    EXPECT_EQ(settings.text(SettingId::Txdelay), "300");
    EXPECT_EQ(settings.index(SettingId::Ptt), 1);
}

// A device fresh from the factory holds 0xFF everywhere: its image fails the
// checksum, which is a refused image, not a failed device.
TEST_F(DeviceCommands, ReadingAnErasedDeviceIsRefused) {
    const CliRun r = run({"--simulate=state.bin", "read", "-o", "out.cfg"});
    EXPECT_EQ(r.status, 3) << r.err;
    EXPECT_EQ(r.lastErrLine(), "Eeprom checksum error. Please reload configuration.");
    EXPECT_FALSE(folder.exists("out.cfg"));
    EXPECT_EQ(readFile(folder.file("state.bin")), std::string(kImageSize, '\xFF'));
}

// Settings refused before the device is touched: the state file is not made.
TEST_F(DeviceCommands, WriteOfRefusedSettingsLeavesTheDeviceAlone) {
    const CliRun r = run({"--simulate=state.bin", "write", "base.cfg", "--set", "Radio.TXdelay=12a"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.lastErrLine(), "'12a' is not a valid integer value.");
    const CliRun range =
        run({"--simulate=state.bin", "write", "base.cfg", "--set", "Beacons.Beacon2_txrate=2"});
    EXPECT_EQ(range.status, 2);
    EXPECT_EQ(range.lastErrLine(), "Beacon 2 tx rate range error (5 - 1440).");
    if (folder.exists("state.bin")) {
        EXPECT_EQ(readFile(folder.file("state.bin")), std::string(kImageSize, '\xFF'));
    }
}

// Each fault of the simulated device at page 5 (the sixth page) of each
// transfer. The device holds the base file first, so that a read has
// something sound to read.
struct FaultCase {
    const char* name;
    std::vector<std::string> command;
    std::string fault;
    int status;
    std::string lastLine;  // "" for no standard error at all
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.fault << ' ' << c.command.front(); }

class Fault : public DeviceCommands, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(Fault, EndsWithItsStatusAndLine) {
    const FaultCase& c = GetParam();
    writeBase();
    std::vector<std::string> args{"--simulate=state.bin", "--sim-fault=" + c.fault};
    args.insert(args.end(), c.command.begin(), c.command.end());
    const CliRun r = run(args);
    EXPECT_EQ(r.status, c.status) << r.err;
    if (c.lastLine.empty()) {
        EXPECT_EQ(r.err, "");
    } else {
        EXPECT_EQ(r.lastErrLine(), c.lastLine) << r.err;
    }
    // An upload tells what it sends before it starts, whatever happens next.
    EXPECT_EQ(r.out, c.command.front() == "upload-firmware" ? firmwareUploadFacts() + "\n" : "");
    EXPECT_EQ(folder.exists("out.cfg"), c.status == 0 && c.command.front() == "read");
}

// The fault rows of write and upload-firmware skip the backup, whose read
// would meet the fault first; the backup rows below keep it.
const std::vector<std::string> kWrite{"write", "base.cfg", "--no-backup"};
const std::vector<std::string> kWriteOtherCall{"write", "base.cfg", "--no-backup", "--set",
                                               "Radio.Callsign=OK9XYZ"};
const std::vector<std::string> kWriteWithBackup{"write", "base.cfg"};
const std::vector<std::string> kRead{"read", "-o", "out.cfg"};
const std::vector<std::string> kUpload{"upload-firmware", "--no-backup"};
const std::vector<std::string> kUploadWithBackup{"upload-firmware"};
// A write that stopped in the configuration block ends by saying so.
const std::string kWriteError =
    "The device now holds an incomplete configuration; write it again or restore a backup.";
const std::string kVerifyError = "Eeprom verify error: page 6/224";
const std::string kUploadError = "Page write error: 6/1408";
// A read whose sixth page fails leaves zeros there, which the checksum finds.
const std::string kReadError = "Eeprom checksum error. Please reload configuration.";

const FaultCase kFaults[] = {
    {"WriteRefuse", kWrite, "refuse:5", 5, kWriteError},
    // A write acknowledgement is judged by its command byte only: a wrong sum
    // or page number in it goes unnoticed and the page counts as written (the
    // simulated device stored it all the same). Reading the page back then
    // meets the wrong sum again; the page number is not compared.
    {"WriteBadSum", kWrite, "bad-sum:5", 5, kVerifyError},
    // Pages acknowledged but not stored as sent (page 0 holds the call sign).
    {"WriteDrop", kWriteOtherCall, "drop:0", 5, "Eeprom verify error: page 1/224"},
    {"WriteFlip", kWrite, "flip:5", 5, kVerifyError},
    // The backup's read meets the fault before anything is written; an
    // upload goes on after it.
    {"BackupBeforeWrite", kWriteWithBackup, "refuse:5", 5,
     "Backup read error: page 6/224. Nothing was written."},
    {"BackupBeforeUpload", kUploadWithBackup, "bad-sum:5", 0, "Backup read error: page 6/224."},
    {"WriteBadEcho", kWrite, "bad-echo:5", 5, kWriteError},
    {"WriteShort", kWrite, "short:5", 5, kWriteError},
    {"WriteSilent", kWrite, "silent:5", 5, kWriteError},
    {"WriteWrongPage", kWrite, "wrong-page:5", 0, ""},
    {"WriteGone", kWrite, "gone:5", 5, kWriteError},
    {"ReadRefuse", kRead, "refuse:5", 5, kReadError},
    {"ReadBadSum", kRead, "bad-sum:5", 5, kReadError},
    {"ReadBadEcho", kRead, "bad-echo:5", 5, kReadError},
    {"ReadShort", kRead, "short:5", 5, kReadError},
    {"ReadSilent", kRead, "silent:5", 5, kReadError},
    // A read reply is judged by its command byte and its data's sum, not by
    // the page number it names; the simulator sends the asked page's data, so
    // the read succeeds and ends with the device's versions.
    {"ReadWrongPage", kRead, "wrong-page:5", 0, "Hardware version: Zeru-1 rev. A"},
    {"ReadGone", kRead, "gone:5", 5, kReadError},
    {"UploadRefuse", kUpload, "refuse:5", 5, kUploadError},
    // Firmware page acknowledgements are judged like configuration ones.
    {"UploadBadSum", kUpload, "bad-sum:5", 0, ""},
    {"UploadBadEcho", kUpload, "bad-echo:5", 5, kUploadError},
    {"UploadShort", kUpload, "short:5", 5, kUploadError},
    {"UploadSilent", kUpload, "silent:5", 5, kUploadError},
    {"UploadWrongPage", kUpload, "wrong-page:5", 0, ""},
    {"UploadGone", kUpload, "gone:5", 5, kUploadError},
    // The version requests: write and info ask for the firmware version.
    {"WriteFirmwareVersionRefused", kWrite, "refuse:fw", 5, "Firmware version read error."},
    {"ReadFirmwareVersionSilent", kRead, "silent:fw", 5, "Firmware version read error."},
};

INSTANTIATE_TEST_SUITE_P(Kinds, Fault, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

// Every line of a failed read: the page, then the checksum it spoiled.
TEST_F(DeviceCommands, FailedReadShowsThePageThenTheChecksum) {
    writeBase();
    const CliRun r = run({"--simulate=state.bin", "--sim-fault=silent:5", "read", "-o", "out.cfg"});
    EXPECT_EQ(r.errLines(), (std::vector<std::string>{"Page read error: 6/224", kReadError}));
}

// A page past the configuration block may fail without harm to the settings:
// the window then says "Eeprom read success." and shows them. The tool still
// exits 5, because the device misbehaved, and saves nothing.
TEST_F(DeviceCommands, ReadFailingPastTheConfigurationBlockExitsFive) {
    writeBase();
    const CliRun r = run({"--simulate=state.bin", "--sim-fault=refuse:100", "read", "-o", "out.cfg"});
    EXPECT_EQ(r.status, 5);
    const auto lines = r.errLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "Page read error: 101/224");
    EXPECT_EQ(lines.back(), "Page read error: 101/224") << "the failure is the last word, after the versions";
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "out.cfg was not written."), 1) << r.err;
    EXPECT_FALSE(folder.exists("out.cfg"));
}

// A device with other firmware is refused before any page moves; an upload
// is how that is mended, so it does not ask.
struct VersionCase {
    const char* name;
    std::string version;
    std::vector<std::string> command;
    int status;
    std::string lastLine;
};

void PrintTo(const VersionCase& c, std::ostream* os) { *os << c.version << ' ' << c.command.front(); }

class Version : public DeviceCommands, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(Version, IncompatibleFirmwareIsRefused) {
    const VersionCase& c = GetParam();
    writeBase();
    const std::string before = readFile(folder.file("state.bin"));
    std::vector<std::string> args{"--simulate=state.bin", "--sim-version=" + c.version};
    args.insert(args.end(), c.command.begin(), c.command.end());
    const CliRun r = run(args);
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_EQ(r.lastErrLine(), c.lastLine) << r.err;
    if (c.status != 0) {
        EXPECT_EQ(r.errLines().front(), "Uncompatible firmware version:");
    }
    EXPECT_EQ(readFile(folder.file("state.bin")), before);
    EXPECT_FALSE(folder.exists("out.cfg"));
}

const std::string kWriteIncompatible = "You need to upload new firmware using \"Upload firmware\" button.";
const std::string kReadIncompatible =
    "You need use the same Configurator and firmware version to read device configuration or you can write "
    "new "
    "configuration using \"Write config\" button.";

const VersionCase kVersions[] = {
    {"WriteOlder", "101", kWrite, 5, kWriteIncompatible},
    {"WriteNewer", "103", kWrite, 5, kWriteIncompatible},
    {"ReadOlder", "101", kRead, 5, kReadIncompatible},
    {"ReadNewer", "103", kRead, 5, kReadIncompatible},
    {"UploadOlder", "101", kUpload, 0, ""},
};

INSTANTIATE_TEST_SUITE_P(Firmware, Version, ::testing::ValuesIn(kVersions),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DeviceCommands, IncompatibleWriteShowsTheVersions) {
    const CliRun r = run({"--simulate=state.bin", "--sim-version=103", "write", "base.cfg"});
    EXPECT_EQ(r.errLines(), (std::vector<std::string>{"Uncompatible firmware version:", "Device: 1.03",
                                                      "Configurator: 1.02", "", kWriteIncompatible}));
}

TEST_F(DeviceCommands, InfoShowsBothVersions) {
    const CliRun r = run({"--simulate=state.bin", "--sim-version=103", "info"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.errLines(),
              (std::vector<std::string>{"Firmware version: 1.03", "Hardware version: Zeru-1 rev. A"}));
}

// The simulator takes any 32-bit firmware version number.
TEST_F(DeviceCommands, InfoShowsTheLargestVersionNumber) {
    const CliRun r = run({"--simulate=state.bin", "--sim-version=4294967295", "info"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.errLines().front(), "Firmware version: 42949672.95");
}

TEST_F(DeviceCommands, InfoFailsWhenAVersionRequestFails) {
    for (const std::string fault : {"refuse:fw", "silent:hw", "short:hw"}) {
        const CliRun r = run({"--simulate=state.bin", "--sim-fault=" + fault, "info"});
        EXPECT_EQ(r.status, 5) << fault << ": " << r.err;
        EXPECT_EQ(r.lastErrLine(), "Version read error.") << fault;
    }
}

// Quiet when standard error is not a terminal; the log lines with --verbose.
TEST_F(DeviceCommands, UploadFirmwareSucceedsQuietlyAndLogsWithVerbose) {
    const CliRun quiet = run({"--simulate=state.bin", "upload-firmware"});
    EXPECT_EQ(quiet.status, 0) << quiet.err;
    EXPECT_EQ(quiet.err, "");
    EXPECT_EQ(quiet.out, firmwareUploadFacts() + "\n");  // what the window asks before an upload

    const CliRun verbose = run({"--simulate=state.bin", "--verbose", "upload-firmware"});
    EXPECT_EQ(verbose.status, 0) << verbose.err;
    const auto lines = verbose.errLines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines.front(), "Kestrovane Zeru found, vid: Vid_0483, pid: A050");
    EXPECT_EQ(lines[lines.size() - 2], "Page written: 1408/1408");
    EXPECT_EQ(lines.back(), "Firmware upgrade success");
}

TEST_F(DeviceCommands, VerboseWriteLogsEveryPage) {
    const CliRun r = run({"--simulate=state.bin", "--verbose", "write", "base.cfg"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = r.errLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Page written: 224/224"), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Eeprom write success"), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Page verified: 224/224"), 1);
    EXPECT_EQ(r.lastErrLine(), "Eeprom verify success");
}

// A write over a device that holds a configuration keeps a backup of it
// (in the state folder, in --backup-dir, or nowhere with --no-backup), the
// simulator's in the folder's simulated/; "backups --simulated" lists it,
// "backups" only counts it, and "write" puts it back.
TEST_F(DeviceCommands, WriteKeepsABackupThatBackupsListsAndWriteRestores) {
    const struct {
        std::vector<std::string> options;
        std::string folder;  // "" for no backup
    } cases[] = {
        {{}, defaultBackupsInFolder().string()},
        {{"--backup-dir", "mine"}, "mine"},
        {{"--no-backup"}, ""},
    };
    for (const auto& c : cases) {
        ScratchFolder scratch;
        auto inScratch = [&](std::vector<std::string> args) { return runCli(args, scratch.path()); };
        ASSERT_EQ(inScratch({"defaults", "-o", "base.cfg"}).status, 0);
        ASSERT_EQ(inScratch({"--simulate=state.bin", "write", "base.cfg"}).status, 0);  // erased: no backup
        std::vector<std::string> write{"--simulate=state.bin", "write", "base.cfg", "--set",
                                       "Radio.Callsign=OK1ZRU"};
        write.insert(write.end(), c.options.begin(), c.options.end());
        ASSERT_EQ(inScratch(write).status, 0);

        std::vector<std::string> list{"backups"};
        if (!c.folder.empty() && c.folder != cases[0].folder) list = {"backups", "--backup-dir", c.folder};
        const CliRun real = inScratch(list);
        ASSERT_EQ(real.status, 0) << real.err;
        EXPECT_EQ(real.out, "");
        list.push_back("--simulated");
        const CliRun listed = inScratch(list);
        ASSERT_EQ(listed.status, 0) << listed.err;
        if (c.folder.empty()) {
            EXPECT_EQ(listed.out, "");
            EXPECT_EQ(real.err, "");
            EXPECT_FALSE(std::filesystem::exists(scratch.path() / "state"));
            continue;
        }
        EXPECT_EQ(real.lastErrLine(), "1 backup of simulated devices not listed (--simulated lists them).");
        // "2024-05-01T18-30-05  NOCALL-0  /tmp/.../2024-05-01T18-30-05_NOCALL-0.cfg"
        const std::string line = listed.out.substr(0, listed.out.find('\n'));
        ASSERT_EQ(listed.out, line + "\n") << listed.out;
        const std::string stamp = line.substr(0, 19);
        const std::filesystem::path cfg =
            (scratch.path() / c.folder / "simulated" / (stamp + "_NOCALL-0.cfg")).make_preferred();
        EXPECT_EQ(line, stamp + "  NOCALL-0  " + visibleText(cfg.string()));

        ASSERT_EQ(inScratch({"--simulate=state.bin", "write", cfg.string(), "--no-backup"}).status, 0);
        ASSERT_EQ(inScratch({"--simulate=state.bin", "read", "-o", "back.cfg"}).status, 0);
        EXPECT_EQ(settingsOfFile(scratch.file("back.cfg")).text(SettingId::Callsign), "NOCALL");
    }
}

// A state file that is not a memory image is refused before anything is sent,
// and left as it was.
TEST_F(DeviceCommands, BrokenStateFileIsRefused) {
    writeFile(folder.file("state.bin"), "not a memory image");
    const CliRun r = run({"--simulate=state.bin", "write", "base.cfg"});
    EXPECT_EQ(r.status, 3) << r.err;
    EXPECT_EQ(readFile(folder.file("state.bin")), "not a memory image");
}

}  // namespace
}  // namespace zeru::test
