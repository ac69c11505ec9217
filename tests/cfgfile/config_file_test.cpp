// SPDX-License-Identifier: GPL-3.0-or-later
#include "cfgfile/config_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "cfgfile/file_keys.h"
#include "interaction/visible_text.h"
#include "settings/catalogue.h"
#include "settings/settings_model.h"
#include "support/recording_ui.h"
#include "temp_folder.h"

namespace zeru::cfgfile {
namespace {

using test::RecordingUi;
using test::TempFolder;

const std::string kHeader =
    "[!WARNING]\r\n"
    "WARNING=Please do not try to modify this file. It should be managed with Kestrovane configurator "
    "program.\r\n"
    "Application=Kestrovane Zeru Configurator\r\n"
    "Version=v1.02\r\n";

const std::string kPortMessageBtNone =
    "Bluetooth port 1 changed to None.\rReason:\rSerial console can be selected on one port only.";

std::vector<std::string> splitCrLf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(start) + "<no CR LF>");
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// Loads `content` into `model` through a real file.
bool loadText(const std::string& content, SettingsModel& model, RecordingUi& ui) {
    TempFolder folder;
    test::writeBytes(folder.file("in.cfg"), content);
    return loadConfigFile(folder.file("in.cfg"), model, ui).ok();
}

TEST(SaveConfigFile, NewFileHoldsAllKeysInSectionOrder) {
    TempFolder folder;
    const std::string path = folder.file("new.cfg");
    EXPECT_TRUE(saveConfigFile(SettingsModel(), path));
    const std::string bytes = test::readBytes(path);
    EXPECT_EQ(bytes.substr(0, kHeader.size() + 26), kHeader + "[Radio]\r\nCallsign=NOCALL\r\n");

    // Every line ends in CR LF; the sections come in order and each holds its
    // keys in table order, the eight keys written apart included.
    std::vector<std::string> expected;
    for (std::string_view section : kFileSections) {
        expected.push_back("[" + std::string(section) + "]");
        for (const FileKey& k : fileKeys())
            if (k.section == section) expected.push_back(std::string(k.key) + "=");
    }
    std::vector<std::string> actual;
    for (const std::string& line : splitCrLf(bytes))
        actual.push_back(line.front() == '[' ? line : line.substr(0, line.find('=') + 1));
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(actual.size(), 229u + 9u);

    const auto lines = splitCrLf(bytes);
    const std::vector<std::string> serialPorts(std::find(lines.begin(), lines.end(), "[SerialPorts]"),
                                               std::find(lines.begin(), lines.end(), "[Debug]"));
    EXPECT_EQ(serialPorts, (std::vector<std::string>{
                               "[SerialPorts]", "Serial1=2", "Serial2=2", "Bluetooth_name=KestrovaneBlue",
                               "Bluetooth_password=7351", "RS485=1", "ConsoleBaudrate=4", "GPSBaudrate=3",
                               "KISSBaudrate=0", "KISSDirection=1", "KISSCheck=1"}));
}

// Gives every setting a value other than its default, in every form, and
// returns what a load must give back.
SettingsModel changedSettings(SettingsModel& expected) {
    SettingsModel model;
    int n = 0;
    for (const FileKey& k : fileKeys()) {
        if (k.form == KeyForm::Header) continue;
        ++n;
        const std::string name(settingName(k.setting));
        const SettingDef& d = settingsCatalogue().def(name);
        switch (k.form) {
            case KeyForm::Text: {
                // Blanks, quotes, "=", ";" and Latin-1 letters come back as they were.
                const std::string text = " \"" + name + "\" =;\xE9" + std::to_string(n) + " ";
                model.setText(settingNamed(name), text);
                expected.setText(settingNamed(name), text);
                break;
            }
            case KeyForm::Number:
                // Leading zeros and hexadecimal come back in plain decimal.
                model.setText(settingNamed(name), n % 2 ? "0" + std::to_string(n) : "$" + std::to_string(n));
                expected.setText(settingNamed(name),
                                 std::to_string(n % 2 ? n : std::stoi(std::to_string(n), nullptr, 16)));
                break;
            case KeyForm::Choice: {
                const int last = static_cast<int>(d.choices.size()) - 1;
                const int index = (d.defaultIndex == last) ? 0 : last;
                model.setIndex(settingNamed(name), index);
                expected.setIndex(settingNamed(name), index);
                break;
            }
            case KeyForm::Flag: {
                // Index 0 is stored as "0"; 1 and no selection as "1", read back as the second entry.
                const int index = n % 3 == 0 ? 0 : (n % 3 == 1 ? 1 : -1);
                model.setIndex(settingNamed(name), index);
                expected.setIndex(settingNamed(name), index == 0 ? 0 : 1);
                break;
            }
            case KeyForm::Header:
                break;
        }
    }
    return model;
}

TEST(SaveLoad, RoundTripOfEverySettingInEveryForm) {
    SettingsModel expected;
    SettingsModel saved = changedSettings(expected);
    // The port roles must not clash, or the port rules would change them on load.
    ASSERT_EQ(saved.index(SettingId::Serial1_mode), 4);
    ASSERT_EQ(saved.index(SettingId::Serial2_mode), 3);
    saved.setIndex(SettingId::Serial1_mode, 3);  // GPS, as GPS passthrough needs
    expected.setIndex(SettingId::Serial1_mode, 3);

    TempFolder folder;
    const std::string path = folder.file("all.cfg");
    EXPECT_TRUE(saveConfigFile(saved, path));

    SettingsModel loaded;
    RecordingUi ui;
    ASSERT_TRUE(loadConfigFile(path, loaded, ui));
    EXPECT_TRUE(ui.boxes().empty());
    for (const SettingDef& d : settingsCatalogue().defs()) {
        if (d.kind == SettingKind::Text)
            EXPECT_EQ(loaded.text(d.id), expected.text(d.id)) << d.name;
        else
            EXPECT_EQ(loaded.index(d.id), expected.index(d.id)) << d.name;
    }
    EXPECT_TRUE(loaded == expected);

    // Saving what was loaded, onto the same file, changes no byte.
    const std::string first = test::readBytes(path);
    EXPECT_TRUE(saveConfigFile(loaded, path));
    EXPECT_EQ(test::readBytes(path), first);
}

TEST(LoadConfigFile, HeaderOnlyFileLoadsTheFileDefaults) {
    SettingsModel model;  // start-up values: telemetry channels with their presets
    model.setText(SettingId::Callsign, "SP9ABC");
    model.setIndex(SettingId::Ptt, 1);
    RecordingUi ui;
    ASSERT_TRUE(loadText(kHeader, model, ui));
    EXPECT_TRUE(ui.boxes().empty());

    for (const FileKey& k : fileKeys()) {
        if (k.form == KeyForm::Header) continue;
        SCOPED_TRACE(std::string(k.key));
        if (k.form == KeyForm::Text || k.form == KeyForm::Number)
            EXPECT_EQ(model.text(k.setting), k.defaultText);
        else
            EXPECT_EQ(std::to_string(model.index(k.setting)), k.defaultText);
    }
    for (int n = 1; n <= 5; ++n) {
        const std::string c = "Teleanalog" + std::to_string(n);
        EXPECT_EQ(model.index(settingNamed(c + "_source")), 0);
        EXPECT_EQ(model.text(settingNamed(c + "_name")), "A" + std::to_string(n));
        EXPECT_EQ(model.text(settingNamed(c + "_units")), "None");
        EXPECT_EQ(model.text(settingNamed(c + "_coefb")), "0");
    }
    for (int n = 1; n <= 8; ++n) {
        const std::string c = "Teledigital" + std::to_string(n);
        EXPECT_EQ(model.index(settingNamed(c + "_source")), 0);
        EXPECT_EQ(model.text(settingNamed(c + "_name")), "B" + std::to_string(n));
        EXPECT_EQ(model.text(settingNamed(c + "_units")), n <= 5 ? "None" : "Non");
    }
    EXPECT_EQ(model.text(SettingId::Callsign), "NOCALL");
    EXPECT_EQ(model.index(SettingId::Ptt), 0);
}

TEST(LoadConfigFile, IdentificationAndVersion) {
    const std::string ident(kIdentificationMessage), version(kVersionMessage);
    struct Row {
        const char* name;
        std::string content;
        bool loaded;
        std::vector<std::string> boxes;
    };
    const std::string body = "[Radio]\r\nCallsign=SP2XYZ\r\n";
    const Row rows[] = {
        {"correct", kHeader + body, true, {}},
        {"byte-order mark first", "\xEF\xBB\xBF" + kHeader + body, true, {}},
        {"CR-only line ends",
         "[!WARNING]\rApplication=Kestrovane Zeru Configurator\rVersion=v1.02\r[Radio]\rCallsign=SP2XYZ\r",
         true,
         {}},
        {"names in other letter case",
         "[!warning]\r\nAPPLICATION=Kestrovane Zeru Configurator\r\nversion=v1.02\r\n" + body,
         true,
         {}},
        {"application in other letter case",
         "[!WARNING]\r\nApplication=kestrovane zeru configurator\r\nVersion=v1.02\r\n" + body,
         false,
         {ident}},
        {"application with a trailing blank",
         "[!WARNING]\r\nApplication=Kestrovane Zeru Configurator \r\nVersion=v1.02\r\n" + body,
         false,
         {ident}},
        {"application in another section",
         "[WARNING]\r\nApplication=Kestrovane Zeru Configurator\r\nVersion=v1.02\r\n" + body,
         false,
         {ident}},
        {"no header section", body, false, {ident}},
        {"empty file", "", false, {ident}},
        {"application says unknown", "[!WARNING]\r\nApplication=unknown\r\n" + body, false, {ident}},
        {"other version",
         "[!WARNING]\r\nApplication=Kestrovane Zeru Configurator\r\nVersion=v1.01\r\n" + body,
         true,
         {version}},
        {"version in other letter case",
         "[!WARNING]\r\nApplication=Kestrovane Zeru Configurator\r\nVersion=V1.02\r\n" + body,
         true,
         {version}},
        {"no version", "[!WARNING]\r\nApplication=Kestrovane Zeru Configurator\r\n" + body, true, {version}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        SettingsModel model;
        model.setText(SettingId::Callsign, "BEFORE");
        model.setIndex(SettingId::Ptt, 1);
        const SettingsModel before = model;
        RecordingUi ui;
        EXPECT_EQ(loadText(r.content, model, ui), r.loaded);
        EXPECT_EQ(ui.texts(RecordingUi::Event::Information), r.boxes);
        EXPECT_EQ(ui.boxes(), r.boxes);
        if (r.loaded) {
            EXPECT_EQ(model.text(SettingId::Callsign), "SP2XYZ");
            EXPECT_EQ(model.index(SettingId::Ptt), 0);  // missing key: default
        } else {
            EXPECT_TRUE(model == before);
        }
    }
}

TEST(LoadConfigFile, AFileThatCannotBeReadIsNamedWithWhy) {
    TempFolder folder;
    SettingsModel model;
    model.setText(SettingId::Callsign, "BEFORE");
    const SettingsModel before = model;
    const std::string locked = folder.file("locked.cfg");
    test::writeBytes(locked, "[!WARNING]\n");
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    const bool rootReadsAnything = std::ifstream(locked).good();
    struct Row {
        std::string path;
        std::string box;
    };
    const Row rows[] = {
        {folder.file("absent.cfg"), visibleText(folder.file("absent.cfg")) + " does not exist."},
        {folder.file("absent/in.cfg"), visibleText(folder.file("absent/in.cfg")) + " does not exist."},
        {folder.path().string(), visibleText(folder.path().string()) + " cannot be read: Is a directory."},
        {locked, rootReadsAnything ? std::string(kIdentificationMessage)
                                   : visibleText(locked) + " cannot be read: Permission denied."},
    };
    for (const Row& r : rows) {
        RecordingUi ui;
        EXPECT_FALSE(loadConfigFile(r.path, model, ui));
        EXPECT_EQ(ui.boxes(), std::vector<std::string>{r.box});
        EXPECT_TRUE(model == before);
    }
}

TEST(LoadConfigFile, NumberChoiceAndFlagValues) {
    struct Row {
        const char* stored;
        const char* txdelay;  // number key TXdelay, default 250
        int ptt;              // choice key PTT, default 0
        int digi2;            // flag key Digi2_enable, default 0
    };
    const Row rows[] = {
        {"1F", "250", 0, 0},  // hexadecimal needs its prefix
        {"$1F", "31", -1, -1},       {"0x1F", "31", -1, -1}, {"0X1f", "31", -1, -1},
        {"x1F", "31", -1, -1},       {"  1", "1", 1, 1},     {"+1", "1", 1, 1},
        {"060", "60", -1, -1},       {"-1", "-1", -1, -1},   {"7", "7", -1, -1},
        {"$0", "0", 0, 0},           {"abc", "250", 0, 0},   {"", "250", 0, 0},
        {"1 ", "250", 0, 0},         {"12a", "250", 0, 0},   {"2147483648", "250", 0, 0},
        {"$FFFFFFFF", "-1", -1, -1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string("stored '") + r.stored + "'");
        SettingsModel model;
        model.setText(SettingId::Txdelay, "999");
        model.setIndex(SettingId::Ptt, 1);
        model.setIndex(SettingId::Alias2_enable, 1);
        RecordingUi ui;
        const std::string v = r.stored;
        ASSERT_TRUE(loadText(kHeader + "[Radio]\r\nTXdelay=" + v + "\r\nPTT=" + v +
                                 "\r\n[Digipeater]\r\nDigi2_enable=" + v + "\r\n",
                             model, ui));
        EXPECT_EQ(model.text(SettingId::Txdelay), r.txdelay);
        EXPECT_EQ(model.index(SettingId::Ptt), r.ptt);
        EXPECT_EQ(model.index(SettingId::Alias2_enable), r.digi2);
    }
}

TEST(SaveLoad, ChoicesOutOfRangeAreSavedBackWithoutSelection) {
    SettingsModel model;
    RecordingUi ui;
    ASSERT_TRUE(loadText(
        kHeader + "[Radio]\r\nPTT=7\r\nSquelch=-1\r\n[Digipeater]\r\nDigi1_enable=5\r\nDigi2_enable=-3\r\n",
        model, ui));
    EXPECT_EQ(model.index(SettingId::Ptt), -1);
    EXPECT_EQ(model.index(SettingId::Squelch), -1);
    EXPECT_EQ(model.index(SettingId::Alias1_enable), -1);
    EXPECT_EQ(model.index(SettingId::Alias2_enable), -1);

    TempFolder folder;
    EXPECT_TRUE(saveConfigFile(model, folder.file("out.cfg")));
    ProfileFile saved(test::readBytes(folder.file("out.cfg")));
    EXPECT_EQ(saved.value("Radio", "PTT"), "-1");
    EXPECT_EQ(saved.value("Radio", "Squelch"), "-1");
    EXPECT_EQ(saved.value("Digipeater", "Digi1_enable"), "1");
    EXPECT_EQ(saved.value("Digipeater", "Digi2_enable"), "1");
}

TEST(LoadConfigFile, PortRulesRunAfterTheLoad) {
    const std::string version(kVersionMessage);
    const std::string btNoneKiss =
        "Bluetooth port 1 changed to None.\rReason:\rKISS packet output can be selected on one port only.";
    const std::string rsGps =
        "RS-232 port 2 changed to GPS.\rReason:\rGPS passthrough function on Bluetooth 1 port needs a GPS "
        "connected to RS-232 port 2.";
    struct Row {
        std::string header;
        int serial1, serial2;
        int afterSerial1, afterSerial2;
        std::vector<std::string> boxes;
    };
    const std::string otherVersion =
        "[!WARNING]\r\nApplication=Kestrovane Zeru Configurator\r\nVersion=v0.99\r\n";
    const Row rows[] = {
        {kHeader, 2, 1, 2, 0, {kPortMessageBtNone}},
        {kHeader, 4, 2, 4, 0, {btNoneKiss}},
        {kHeader, 0, 3, 3, 3, {rsGps}},
        {kHeader, 3, 3, 3, 3, {}},
        {otherVersion, 2, 1, 2, 0, {version, kPortMessageBtNone}},  // version message first
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.serial1 << "/" << r.serial2);
        SettingsModel model;
        RecordingUi ui;
        ASSERT_TRUE(loadText(r.header + "[SerialPorts]\r\nSerial1=" + std::to_string(r.serial1) +
                                 "\r\nSerial2=" + std::to_string(r.serial2) + "\r\n",
                             model, ui));
        EXPECT_EQ(model.index(SettingId::Serial1_mode), r.afterSerial1);
        EXPECT_EQ(model.index(SettingId::Serial2_mode), r.afterSerial2);
        EXPECT_EQ(ui.boxes(), r.boxes);
    }
}

TEST(LoadConfigFile, EnabledPositionFieldsFollowTheLoadedEncoding) {
    for (int encoding : {0, 1, 2}) {
        SettingsModel model;
        const bool micE = encoding == 0;
        model.setEnabled(SettingId::Mice_message, !micE);
        model.setEnabled(SettingId::Position_time, micE);
        RecordingUi ui;
        ASSERT_TRUE(loadText(
            kHeader + "[PositionReports]\r\nReportEncoding=" + std::to_string(encoding) + "\r\n", model, ui));
        EXPECT_EQ(model.isEnabled(SettingId::Mice_message), micE) << encoding;
        EXPECT_EQ(model.isEnabled(SettingId::Position_time), !micE) << encoding;
    }
}

TEST(LoadConfigFile, HandWrittenFile) {
    for (const std::string ending : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(ending == "\r\n" ? "CR LF" : ending == "\n" ? "LF" : "CR");
        std::string content =
            "; kept by hand\n"
            "[serialports]\n"
            "kisscheck=0\n"
            "SERIAL1=0\n"
            "[Unknown]\n"
            "Callsign=WRONG\n"
            "[radio]\n"
            "TXDELAY=0x12C\n"
            "quiettime=$1F4\n"
            "callsign=SP9XYZ\n"
            "\n"
            "[!Warning]\n"
            "version=v1.02\n"
            "application=Kestrovane Zeru Configurator\n"
            "[digipeater]\n"
            "digi3_ENABLE=1\n"
            "DIGI3_alias=RELAY\n";
        std::string withEndings;
        for (char c : content) {
            if (c == '\n')
                withEndings += ending;
            else
                withEndings += c;
        }
        SettingsModel model;
        RecordingUi ui;
        ASSERT_TRUE(loadText(withEndings, model, ui));
        EXPECT_TRUE(ui.boxes().empty());
        EXPECT_EQ(model.text(SettingId::Callsign), "SP9XYZ");
        EXPECT_EQ(model.text(SettingId::Txdelay), "300");
        EXPECT_EQ(model.text(SettingId::Quiettime), "500");
        EXPECT_EQ(model.index(SettingId::Kiss_check), 0);
        EXPECT_EQ(model.index(SettingId::Serial1_mode), 0);
        EXPECT_EQ(model.index(SettingId::Alias3_enable), 1);
        EXPECT_EQ(model.text(SettingId::Alias3_name), "RELAY");
        EXPECT_EQ(model.index(SettingId::Serial2_mode), 2);  // missing: default
    }
}

TEST(SaveConfigFile, UpdatesAnExistingFileKeepingUnknownContent) {
    TempFolder folder;
    const std::string path = folder.file("old.cfg");
    const std::string before =
        "; my notes\n"
        "[Radio]\n"
        "Antenna=dipole\n"
        "callsign=OLD\n"
        "\n"
        "[Extra]\n"
        "foo=bar\n";
    test::writeBytes(path, before);
    SettingsModel model;
    model.setText(SettingId::Callsign, "NEW");
    EXPECT_TRUE(saveConfigFile(model, path));
    const std::string after = test::readBytes(path);

    const std::string expectedStart =
        "; my notes\n"
        "[Radio]\n"
        "Antenna=dipole\n"
        "Callsign=NEW\r\n"
        "SSID=0\r\n";
    EXPECT_EQ(after.substr(0, expectedStart.size()), expectedStart);
    // The new keys of "Radio" end before the blank line; unknown sections follow
    // unchanged, then the sections the old file did not hold.
    const std::string middle = "Output_level=0\r\n\n[Extra]\nfoo=bar\n[!WARNING]\r\n";
    EXPECT_NE(after.find(middle), std::string::npos);

    SettingsModel loaded;
    RecordingUi ui;
    ASSERT_TRUE(loadConfigFile(path, loaded, ui));
    EXPECT_TRUE(loaded == model);
}

TEST(SaveConfigFile, PlainFunctionsWithoutFiles) {
    SettingsModel model;
    model.setText(SettingId::Txdelay, "0x10");
    model.setIndex(SettingId::Alias1_enable, 0);
    const auto saved = fileValues(model);
    ASSERT_TRUE(saved);
    const std::vector<std::string>& values = *saved;
    ASSERT_EQ(values.size(), kFileKeyCount);
    const auto at = [&](std::string_view key) {
        for (std::size_t i = 0; i < kFileKeyCount; ++i)
            if (fileKeys()[i].key == key) return values[i];
        return std::string("<absent>");
    };
    EXPECT_EQ(at("TXdelay"), "16");
    EXPECT_EQ(at("Digi1_enable"), "0");
    EXPECT_EQ(at("Application"), "Kestrovane Zeru Configurator");

    ProfileFile file(updatedFileContent("", values));
    SettingsModel loaded;
    RecordingUi ui;
    ASSERT_TRUE(applyConfigFile(file, loaded, ui));
    EXPECT_EQ(loaded.text(SettingId::Txdelay), "16");
    EXPECT_EQ(loaded.index(SettingId::Alias1_enable), 0);
}

}  // namespace
}  // namespace zeru::cfgfile
