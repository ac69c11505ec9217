// SPDX-License-Identifier: GPL-3.0-or-later
// defaults, encode, decode and verify through the real executable: the files
// they leave and how they go back and forth between file and image.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "cfgfile/config_file.h"
#include "cli_files.h"
#include "cli_process.h"
#include "image/codec.h"
#include "rules/rules.h"

namespace zeru::test {
namespace {

class FileCommands : public ::testing::Test {
protected:
    CliRun run(const std::vector<std::string>& args) { return runCli(args, folder.path()); }

    // Runs a command that must succeed silently.
    void runQuietly(const std::vector<std::string>& args) {
        const CliRun r = run(args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
    }

    ScratchFolder folder;
};

TEST_F(FileCommands, DefaultsSavesTheStartUpSettingsAsTheLibraryWould) {
    const CliRun r = run({"defaults", "-o", "base.cfg"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");

    SettingsModel expected;
    RecordingUi ui;
    rules::applyStartupSequence(expected, ui);
    EXPECT_TRUE(cfgfile::saveConfigFile(expected, folder.file("expected.cfg")));
    EXPECT_EQ(readFile(folder.file("base.cfg")), readFile(folder.file("expected.cfg")));
}

TEST_F(FileCommands, EncodeWritesAVerifiedImageThatVerifyAccepts) {
    runQuietly({"defaults", "-o", "base.cfg"});
    runQuietly({"encode", "base.cfg", "-o", "base.bin"});
    EXPECT_TRUE(VerifyImage(imageOfFile(folder.file("base.bin"))));

    const CliRun r = run({"verify", "base.bin"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "base.bin: checksum and end marker are right.\n");
    EXPECT_EQ(r.err, "");
}

// The keys of a configuration file whose values differ between two files
// that list the same keys in the same order.
std::vector<std::string> differingKeys(const std::string& a, const std::string& b) {
    std::vector<std::string> keys;
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const std::size_t endA = a.find('\n', i), endB = b.find('\n', j);
        const std::string lineA = a.substr(i, endA - i), lineB = b.substr(j, endB - j);
        EXPECT_EQ(lineA.substr(0, lineA.find('=')), lineB.substr(0, lineB.find('='))) << "keys out of step";
        if (lineA != lineB) keys.push_back(lineA.substr(0, lineA.find('=')) + ": " + lineA + " / " + lineB);
        if (endA == std::string::npos || endB == std::string::npos) break;
        i = endA + 1;
        j = endB + 1;
    }
    return keys;
}

// A saved file, encoded and decoded again, comes back key for key, except
// that the image has no empty SSID: an empty address entry is stored as six
// spaces and SSID 0, so its SSID comes back as "0". A decoded file then comes
// back byte for byte (it is its own fixed point).
TEST_F(FileCommands, EncodeThenDecodeGivesTheSavedFileBack) {
    runQuietly({"defaults", "-o", "base.cfg"});
    runQuietly({"encode", "base.cfg", "-o", "base.bin"});
    runQuietly({"decode", "base.bin", "-o", "back.cfg"});
    std::vector<std::string> normalised{"SSID3: SSID3=\r / SSID3=0\r"};
    for (int n = 2; n <= 8; ++n) {
        const std::string key = "Digi" + std::to_string(n) + "_SSID";
        normalised.push_back(key + ": " + key + "=\r / " + key + "=0\r");
    }
    EXPECT_EQ(differingKeys(readFile(folder.file("base.cfg")), readFile(folder.file("back.cfg"))),
              normalised);
    runQuietly({"encode", "back.cfg", "-o", "back.bin"});
    runQuietly({"decode", "back.bin", "-o", "back-again.cfg"});
    EXPECT_EQ(readFile(folder.file("back-again.cfg")), readFile(folder.file("back.cfg")));

    runQuietly({"encode", "base.cfg", "-o", "changed.bin", "--set", "Radio.Callsign=OK1ZRU", "--set",
                "Radio.TXdelay=300", "--set", "Radio.PTT=1", "--set", "Beacons.Beacon2_txrate=60"});
    runQuietly({"decode", "changed.bin", "-o", "changed.cfg"});
    runQuietly({"encode", "changed.cfg", "-o", "again.bin"});
    runQuietly({"decode", "again.bin", "-o", "again.cfg"});
    EXPECT_EQ(readFile(folder.file("again.cfg")), readFile(folder.file("changed.cfg")));

    const SettingsModel changed = settingsOfFile(folder.file("changed.cfg"));
    EXPECT_EQ(changed.text(SettingId::Callsign), "OK1ZRU");
    EXPECT_EQ(changed.text(SettingId::Txdelay), "300");
    EXPECT_EQ(changed.index(SettingId::Ptt), 1);
    EXPECT_EQ(changed.text(SettingId::Beacon2_txrate), "60");
    // Everything not set stayed as the base file has it.
    SettingsModel expected = settingsOfFile(folder.file("back.cfg"));
    expected.setText(SettingId::Callsign, "OK1ZRU");
    expected.setText(SettingId::Txdelay, "300");
    expected.setIndex(SettingId::Ptt, 1);
    expected.setText(SettingId::Beacon2_txrate, "60");
    EXPECT_EQ(changed, expected);
}

// --set on each kind of key, looked at after encoding and decoding.
struct SetCase {
    const char* name;
    std::string assignment;
    std::string setting;
    bool choice;
    std::string text;  // expected text (text and number keys)
    int index;         // expected index (choice keys)
};

void PrintTo(const SetCase& c, std::ostream* os) { *os << c.assignment; }

class SetOption : public FileCommands, public ::testing::WithParamInterface<SetCase> {};

TEST_P(SetOption, ReachesTheImage) {
    const SetCase& c = GetParam();
    runQuietly({"defaults", "-o", "base.cfg"});
    runQuietly({"encode", "base.cfg", "--set", c.assignment, "-o", "out.bin"});
    runQuietly({"decode", "out.bin", "-o", "out.cfg"});
    const SettingsModel decoded = settingsOfFile(folder.file("out.cfg"));
    if (c.choice) {
        EXPECT_EQ(decoded.index(settingNamed(c.setting)), c.index);
    } else {
        EXPECT_EQ(decoded.text(settingNamed(c.setting)), c.text);
    }
}

const SetCase kSetCases[] = {
    {"Text", "Radio.Callsign=OK1ZRU", "Callsign", false, "OK1ZRU", 0},
    {"TextWithSpacesAndEquals", "Beacons.Beacon1_msg=a=b c", "Beacon1_message", false, "a=b c", 0},
    {"Number", "Radio.TXdelay=300", "Txdelay", false, "300", 0},
    {"Choice", "Radio.PTT=1", "Ptt", true, "", 1},
    {"KeyInAnyCase", "radio.callsign=DL2ABC", "Callsign", false, "DL2ABC", 0},
};

INSTANTIATE_TEST_SUITE_P(Kinds, SetOption, ::testing::ValuesIn(kSetCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The last --set of one key wins, and --set works on write's load as well as
// encode's (checked with the simulator in the device tests).
TEST_F(FileCommands, LaterSetOfTheSameKeyWins) {
    runQuietly({"defaults", "-o", "base.cfg"});
    runQuietly({"encode", "base.cfg", "--set", "Radio.Callsign=FIRST", "--set=Radio.Callsign=SECOND", "-o",
                "out.bin"});
    runQuietly({"decode", "out.bin", "-o", "out.cfg"});
    EXPECT_EQ(settingsOfFile(folder.file("out.cfg")).text(SettingId::Callsign), "SECOND");
}

// A refused encode leaves no image behind, and an existing one as it was.
TEST_F(FileCommands, RefusedEncodeLeavesTheOutputAlone) {
    runQuietly({"defaults", "-o", "base.cfg"});
    runQuietly({"encode", "base.cfg", "-o", "out.bin"});
    const std::string before = readFile(folder.file("out.bin"));
    EXPECT_EQ(run({"encode", "base.cfg", "--set", "Radio.TXdelay=12a", "-o", "out.bin"}).status, 2);
    EXPECT_EQ(readFile(folder.file("out.bin")), before);
    EXPECT_EQ(run({"encode", "base.cfg", "--set", "Radio.TXdelay=12a", "-o", "new.bin"}).status, 2);
    EXPECT_FALSE(folder.exists("new.bin"));
}

}  // namespace
}  // namespace zeru::test
