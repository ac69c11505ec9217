// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/device_flows.h"

#include <gtest/gtest.h>

#include <functional>

#include "device/eeprom_transfer.h"
#include "device/quiet_read.h"
#include "device/version_requests.h"
#include "image/codec.h"
#include "settings/settings_model.h"
#include "settings/whole_number.h"
#include "sim_link.h"
#include "support/settings_diff.h"

namespace zeru::test {
namespace {

const std::string kFound(kFoundLine);
const std::string kNotFound(kNotFoundLine);
const std::string kReadSuccess = "Eeprom read success.";
const std::string kChecksumError = "Eeprom checksum error. Please reload configuration.";
const std::string kVersionBox = "Firmware version: 1.02\r\nHardware version: Zeru-1 rev. A";

// Settings that differ from the start-up values in several pages.
void changeSomeSettings(Settings& s) {
    s.setText(SettingId::Callsign, "OK1ZRU");
    s.setText(SettingId::Ssid, "9");
    s.setText(SettingId::Latitude, "4905.12N");
    s.setText(SettingId::Longitude, "01412.34E");
    s.setText(SettingId::Txdelay, "300");
    s.setIndex(SettingId::Quiettime_randomize, 1);
    s.setIndex(SettingId::Ptt, 1);
}

// Start-up settings with every address entry named: an entry without a name is
// stored as SSID 0 whatever its SSID text, so only named entries come back as
// they were written.
SettingsModel storedSettings(std::string_view callsign) {
    SettingsModel s;
    s.setText(SettingId::Callsign, callsign);
    s.setText(SettingId::Position_path3, "WIDE3");
    s.setText(SettingId::Position_ssid3, "3");
    for (int n = 2; n <= 8; ++n) {
        s.setText(settingNamed("Alias" + std::to_string(n) + "_name"), "ALIAS" + std::to_string(n));
        s.setText(settingNamed("Alias" + std::to_string(n) + "_ssid"), std::to_string(n));
    }
    return s;
}

// One configurator session (settings, images, flows) against one simulated
// device. The session's settings start changed; `before` keeps them.
struct Session {
    sim::DeviceState device;
    sim::SimulatorTransport transport{device};
    RecordingUi ui;
    SettingsModel settings;
    ConfigImages images;
    DeviceFlows flows{settings, ui, images, transport};
    SettingsModel before;

    explicit Session(bool allEntriesNamed = false) {
        if (allEntriesNamed) copySettings(storedSettings("OK1ZRU"), settings);
        changeSomeSettings(settings);
        copySettings(settings, before);
    }
    // Puts a valid image of `from` into the device's memory.
    void storeImageOf(const Settings& from) {
        RecordingUi quiet;
        ConfigImage image{};
        ASSERT_TRUE(EncodeConfiguration(from, quiet, image, 0x1234));
        device.memory = image;
    }
};

TEST(DeviceFlows, WriteThenReadRestoresEverySetting) {
    Session writer(true);
    ASSERT_TRUE(writer.flows.writeConfig());
    EXPECT_EQ(writer.device.memory, writer.images.writeImage);

    // Another session with start-up settings reads the same device.
    sim::SimulatorTransport transport(writer.device);
    RecordingUi ui;
    SettingsModel settings;
    ConfigImages images;
    DeviceFlows reader(settings, ui, images, transport);
    ASSERT_FALSE(settings == writer.settings);

    ASSERT_TRUE(reader.readConfig());

    EXPECT_EQ(differences(settings, writer.settings), std::vector<std::string>{});
    EXPECT_EQ(images.readImage, writer.images.writeImage);
    EXPECT_EQ(settings.text(SettingId::Callsign), "OK1ZRU");
    EXPECT_EQ(settings.index(SettingId::Ptt), 1);
}

TEST(DeviceFlows, WriteLogsEveryPageAndSuccess) {
    Session s;
    EXPECT_TRUE(s.flows.writeConfig());
    EXPECT_EQ(s.ui.logLines(), concat({{kFound},
                                       pageLines("Page written: ", 1, 224, 224),
                                       {"Eeprom write success"},
                                       pageLines("Page verified: ", 1, 224, 224),
                                       {"Eeprom verify success"}}));
    EXPECT_TRUE(s.ui.boxes().empty());
    EXPECT_FALSE(s.transport.isOpen());
}

TEST(DeviceFlows, ReadLogsPagesSuccessFoundAgainThenShowsVersions) {
    Session s;
    const SettingsModel stored = storedSettings("OK2AAA");
    s.storeImageOf(stored);

    EXPECT_TRUE(s.flows.readConfig());

    EXPECT_EQ(s.ui.logLines(),
              concat({{kFound}, pageLines("Page read: ", 1, 224, 224), {kReadSuccess, kFound}}));
    EXPECT_EQ(s.ui.texts(RecordingUi::Event::Message), std::vector<std::string>{kVersionBox});
    EXPECT_EQ(s.ui.events.back(), (RecordingUi::Event{RecordingUi::Event::Message, kVersionBox}));
    EXPECT_EQ(s.settings.text(SettingId::Callsign), "OK2AAA");
    EXPECT_EQ(s.transport.opens(), 2);
    EXPECT_FALSE(s.transport.isOpen());
}

TEST(DeviceFlows, WriteRefusesSettingsThatFailValidationBeforeTouchingTheDevice) {
    Session s;
    s.settings.setText(SettingId::Latitude, "4905.12X");
    EXPECT_FALSE(s.flows.writeConfig());
    EXPECT_TRUE(s.ui.logLines().empty());
    EXPECT_EQ(s.ui.texts(RecordingUi::Event::Information).size(), 1u);
    EXPECT_EQ(s.transport.opens(), 0);
}

TEST(DeviceFlows, WriteRefusesANumberThatDoesNotConvertWithTheDeviceUntouched) {
    Session s;
    s.settings.setText(SettingId::Txdelay, "12a");
    const Outcome written = s.flows.writeConfig();
    ASSERT_FALSE(written);
    EXPECT_EQ(written.failure().kind, FailureKind::SettingsRefused);
    EXPECT_EQ(written.failure().setting, SettingId::Txdelay);
    EXPECT_EQ(s.ui.texts(RecordingUi::Event::Error),
              std::vector<std::string>{"'12a' is not a valid integer value."});
    EXPECT_EQ(s.transport.opens(), 0);
}

struct IncompatibleCase {
    const char* name;
    std::uint32_t version;
    bool write;
    std::string box;
};

class IncompatibleFirmware : public ::testing::TestWithParam<IncompatibleCase> {};

TEST_P(IncompatibleFirmware, BoxNamesBothVersionsAndNothingMoves) {
    const IncompatibleCase& c = GetParam();
    Session s;
    s.device.firmwareVersion = c.version;
    const SettingsModel stored = storedSettings("OK3BBB");
    s.storeImageOf(stored);
    const ConfigImage memory = s.device.memory;

    EXPECT_FALSE(c.write ? s.flows.writeConfig() : s.flows.readConfig().outcome);

    EXPECT_EQ(s.ui.logLines(), std::vector<std::string>{kFound});
    EXPECT_EQ(s.ui.boxes(), std::vector<std::string>{c.box});
    EXPECT_EQ(s.ui.texts(RecordingUi::Event::Information), std::vector<std::string>{c.box});
    EXPECT_EQ(s.device.requests, 1u);  // the version request only
    EXPECT_EQ(s.device.memory, memory);
    EXPECT_EQ(differences(s.settings, s.before), std::vector<std::string>{});
    EXPECT_FALSE(s.transport.isOpen());
}

const std::string kWriteTail = "\n\nYou need to upload new firmware using \"Upload firmware\" button.";
const std::string kReadTail =
    "\n\nYou need use the same Configurator and firmware version to read device configuration or you can "
    "write "
    "new configuration using \"Write config\" button.";

INSTANTIATE_TEST_SUITE_P(
    Versions, IncompatibleFirmware,
    ::testing::Values(
        IncompatibleCase{"Write101", 101, true,
                         "Uncompatible firmware version:\nDevice: 1.01\nConfigurator: 1.02" + kWriteTail},
        IncompatibleCase{"Write103", 103, true,
                         "Uncompatible firmware version:\nDevice: 1.03\nConfigurator: 1.02" + kWriteTail},
        IncompatibleCase{"Read101", 101, false,
                         "Uncompatible firmware version:\nDevice: 1.01\nConfigurator: 1.02" + kReadTail},
        IncompatibleCase{"Read103", 103, false,
                         "Uncompatible firmware version:\nDevice: 1.03\nConfigurator: 1.02" + kReadTail},
        IncompatibleCase{"ReadZero", 0, false,
                         "Uncompatible firmware version:\nDevice: 0.00\nConfigurator: 1.02" + kReadTail},
        IncompatibleCase{
            "WriteLargest", 0xFFFFFFFF, true,
            "Uncompatible firmware version:\nDevice: 42949672.95\nConfigurator: 1.02" + kWriteTail}),
    [](const auto& info) { return std::string(info.param.name); });

class FirmwareVersionFails : public ::testing::TestWithParam<std::tuple<const char*, bool>> {};

TEST_P(FirmwareVersionFails, LogsTheReadErrorAndClosesWithNothingMoved) {
    const auto [fault, write] = GetParam();
    Session s;
    s.device.fault = sim::parseFault(fault);
    ASSERT_TRUE(s.device.fault);
    const SettingsModel stored = storedSettings("OK3BBB");
    s.storeImageOf(stored);
    const ConfigImage memory = s.device.memory;

    EXPECT_FALSE(write ? s.flows.writeConfig() : s.flows.readConfig().outcome);

    EXPECT_EQ(s.ui.logLines(), (std::vector<std::string>{kFound, "Firmware version read error."}));
    EXPECT_TRUE(s.ui.boxes().empty());
    EXPECT_LE(s.device.requests, 1u);
    EXPECT_EQ(s.device.memory, memory);
    EXPECT_EQ(differences(s.settings, s.before), std::vector<std::string>{});
    EXPECT_FALSE(s.transport.isOpen());
}

INSTANTIATE_TEST_SUITE_P(Faults, FirmwareVersionFails,
                         ::testing::Combine(::testing::Values("refuse:fw", "bad-echo:fw", "short:fw",
                                                              "silent:fw", "gone:fw"),
                                            ::testing::Bool()));

// The flow stops at the reason: no request follows to fail in its turn.
TEST(DeviceFlows, OpenFailureLogsWhyAndStops) {
    using Flow = Outcome (*)(DeviceFlows&);
    for (Flow flow : {+[](DeviceFlows& f) { return f.writeConfig(); },
                      +[](DeviceFlows& f) { return f.readConfig().outcome; },
                      +[](DeviceFlows& f) { return f.uploadFirmware(); }}) {
        Session s;
        s.transport.failOpen("permission denied");
        const Outcome outcome = flow(s.flows);
        ASSERT_FALSE(outcome);
        EXPECT_EQ(s.ui.logLines(), (std::vector<std::string>{kFound, openFailureLine("permission denied")}));
        EXPECT_EQ(outcome.failure().kind, FailureKind::DeviceFailed);
        EXPECT_EQ(s.device.requests, 0u);
        EXPECT_EQ(differences(s.settings, s.before), std::vector<std::string>{});
    }
}

TEST(DeviceFlows, NoDeviceLogsNotFoundAndWhatToCheck) {
    for (bool write : {true, false}) {
        Session s;
        s.device.present = false;
        EXPECT_FALSE(write ? s.flows.writeConfig() : s.flows.readConfig().outcome);
        EXPECT_EQ(s.ui.logLines(), (std::vector<std::string>{kNotFound, notFoundAdviceLine()}));
        EXPECT_TRUE(s.ui.boxes().empty());
        EXPECT_EQ(differences(s.settings, s.before), std::vector<std::string>{});
    }
}

TEST(DeviceFlows, WriteStopsAtTheSeventeenthPage) {
    Session s;
    s.device.fault = sim::parseFault("refuse:16");
    EXPECT_FALSE(s.flows.writeConfig());
    EXPECT_EQ(s.ui.logLines(),
              concat({{kFound},
                      pageLines("Page written: ", 1, 16, 224),
                      {"Page write error: 17/224", std::string(kIncompleteConfigurationLine)}}));
    EXPECT_EQ(s.ui.progressValue, 16);
    EXPECT_FALSE(s.transport.isOpen());
}

TEST(DeviceFlows, SilentDeviceEndsTheWriteAtItsPage) {
    Session s;
    s.device.fault = sim::parseFault("silent:0");
    EXPECT_FALSE(s.flows.writeConfig());
    EXPECT_EQ(s.ui.logLines(), (std::vector<std::string>{kFound, "Page write error: 1/224",
                                                         std::string(kIncompleteConfigurationLine)}));
}

// The configuration block ends in page 41 (as the log counts): a read error
// there spoils the checksum, one at page 42 or later does not.
TEST(DeviceFlows, ReadErrorAtPage41IsAChecksumError) {
    Session s;
    const SettingsModel stored = storedSettings("OK3BBB");
    s.storeImageOf(stored);
    s.device.fault = sim::parseFault("bad-sum:40");

    EXPECT_FALSE(s.flows.readConfig());

    EXPECT_EQ(s.ui.logLines(), concat({{kFound},
                                       pageLines("Page read: ", 1, 40, 224),
                                       {"Page read error: 41/224", kChecksumError}}));
    EXPECT_TRUE(s.ui.boxes().empty());
    EXPECT_EQ(differences(s.settings, s.before), std::vector<std::string>{});
    EXPECT_TRUE(std::all_of(s.images.readImage.begin() + 40 * 32, s.images.readImage.end(),
                            [](std::uint8_t b) { return b == 0; }));
}

TEST(DeviceFlows, ReadErrorAtPage42StillReadsTheConfiguration) {
    Session s;
    const SettingsModel stored = storedSettings("OK3BBB");
    s.storeImageOf(stored);
    s.device.fault = sim::parseFault("refuse:41");

    EXPECT_TRUE(s.flows.readConfig());

    EXPECT_EQ(s.ui.logLines(), concat({{kFound},
                                       pageLines("Page read: ", 1, 41, 224),
                                       {"Page read error: 42/224", kReadSuccess, kFound}}));
    EXPECT_EQ(s.ui.texts(RecordingUi::Event::Message), std::vector<std::string>{kVersionBox});
    EXPECT_EQ(differences(s.settings, stored), std::vector<std::string>{});
}

TEST(DeviceFlows, DeviceGoneAfterTheConfigurationBlockEndsWithNotFound) {
    Session s;
    const SettingsModel stored = storedSettings("OK3BBB");
    s.storeImageOf(stored);
    s.device.fault = sim::parseFault("gone:100");

    EXPECT_TRUE(s.flows.readConfig());

    EXPECT_EQ(s.ui.logLines(), concat({{kFound},
                                       pageLines("Page read: ", 1, 100, 224),
                                       {"Page read error: 101/224", kReadSuccess, kNotFound},
                                       {notFoundAdviceLine()}}));
    EXPECT_TRUE(s.ui.boxes().empty());
    EXPECT_EQ(differences(s.settings, stored), std::vector<std::string>{});
}

TEST(DeviceFlows, ErasedDeviceIsAChecksumError) {
    Session s;
    EXPECT_FALSE(s.flows.readConfig());
    EXPECT_EQ(s.ui.logLines().back(), kChecksumError);
    EXPECT_EQ(differences(s.settings, s.before), std::vector<std::string>{});
}

TEST(DeviceFlows, OtherConfigurationVersionIsRefusedByDecoding) {
    Session s;
    const SettingsModel stored = storedSettings("OK3BBB");
    s.storeImageOf(stored);
    ConfigImage& image = s.device.memory;
    image[kConfigVersionOffset + 4] = '1';  // "v1.01"
    const std::uint32_t sum = imageChecksum(image);
    for (int i = 0; i < 4; ++i) image[i] = static_cast<std::uint8_t>(sum >> (8 * i));
    ASSERT_TRUE(VerifyImage(image));

    EXPECT_FALSE(s.flows.readConfig());

    EXPECT_EQ(s.ui.logLines().back(), "Eeprom read error. Please reload configuration.");
    ASSERT_EQ(s.ui.boxes().size(), 1u);
    EXPECT_EQ(s.ui.boxes()[0].rfind("Uncompatible configuration version:", 0), 0u);
    EXPECT_EQ(differences(s.settings, s.before), std::vector<std::string>{});
}

struct VersionDisplayCase {
    const char* name;
    const char* fault;
};

class VersionDisplayFails : public ::testing::TestWithParam<VersionDisplayCase> {};

TEST_P(VersionDisplayFails, ReadStillSucceedsWithoutABox) {
    Session s;
    const SettingsModel stored = storedSettings("OK3BBB");
    s.storeImageOf(stored);
    s.device.fault = sim::parseFault(GetParam().fault);

    EXPECT_TRUE(s.flows.readConfig());

    EXPECT_EQ(s.ui.logLines(),
              concat({{kFound}, pageLines("Page read: ", 1, 224, 224), {kReadSuccess, kFound}}));
    EXPECT_TRUE(s.ui.boxes().empty());
    EXPECT_EQ(differences(s.settings, stored), std::vector<std::string>{});
    EXPECT_FALSE(s.transport.isOpen());
}

INSTANTIATE_TEST_SUITE_P(Faults, VersionDisplayFails,
                         ::testing::Values(VersionDisplayCase{"HardwareWrongEcho", "bad-echo:hw"},
                                           VersionDisplayCase{"HardwareRefused", "refuse:hw"},
                                           VersionDisplayCase{"HardwareSilent", "silent:hw"},
                                           VersionDisplayCase{"HardwareShort", "short:hw"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DeviceFlows, HardwareTextWithoutZeroByteEndsAtByte64) {
    Session s;
    const SettingsModel stored = storedSettings("OK3BBB");
    s.storeImageOf(stored);
    std::string text;
    for (int i = 0; i < 80; ++i) text += static_cast<char>('A' + i % 26);
    s.device.hardwareVersion = text;

    EXPECT_TRUE(s.flows.readConfig());

    EXPECT_EQ(s.ui.texts(RecordingUi::Event::Message),
              std::vector<std::string>{"Firmware version: 1.02\r\nHardware version: " + text.substr(0, 63)});
}

// A failed read carries, as its text, every line and box it told (the page
// lines and the found line aside): the comparison with the device shows it
// from the quiet read, which tells nothing itself.
TEST(DeviceFlows, AFailedReadCarriesWhatItTold) {
    const std::string readError = "Eeprom read error. Please reload configuration.";
    struct Case {
        const char* name;
        std::function<void(Session&)> setUp;
        FailureKind kind;
        std::string text;  // "" for the box shown, then readError
    };
    const Case cases[] = {
        {"no device", [](Session& s) { s.device.present = false; }, FailureKind::NoDevice,
         kNotFound + "\n" + notFoundAdviceLine()},
        {"open refused", [](Session& s) { s.transport.failOpen("permission denied"); },
         FailureKind::DeviceFailed, openFailureLine("permission denied")},
        {"firmware version unread", [](Session& s) { s.device.fault = sim::parseFault("refuse:fw"); },
         FailureKind::DeviceFailed, "Firmware version read error."},
        {"other firmware", [](Session& s) { s.device.firmwareVersion = 101; }, FailureKind::DeviceFailed,
         readIncompatibleText(101)},
        {"page 41 spoilt",
         [](Session& s) {
             s.storeImageOf(storedSettings("OK3BBB"));
             s.device.fault = sim::parseFault("bad-sum:40");
         },
         FailureKind::DeviceFailed, "Page read error: 41/224\n" + kChecksumError},
        {"erased", [](Session&) {}, FailureKind::ImageRefused, kChecksumError},
        {"other configuration version",
         [](Session& s) {
             s.storeImageOf(storedSettings("OK3BBB"));
             ConfigImage& image = s.device.memory;
             image[kConfigVersionOffset + 4] = '1';
             const std::uint32_t sum = imageChecksum(image);
             for (int i = 0; i < 4; ++i) image[i] = static_cast<std::uint8_t>(sum >> (8 * i));
         },
         FailureKind::ImageRefused, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session loud;
        c.setUp(loud);
        const ReadOutcome read = loud.flows.readConfig();
        ASSERT_FALSE(read);
        ASSERT_FALSE(read.outcome);
        const std::string expected = c.text.empty() ? loud.ui.boxes().at(0) + "\n" + readError : c.text;
        EXPECT_EQ(read.outcome.failure().kind, c.kind);
        EXPECT_EQ(read.outcome.failure().text, expected);

        Session quiet;
        c.setUp(quiet);
        const Outcome quietly = readDeviceQuietly(quiet.settings, quiet.ui, quiet.transport, nullptr);
        ASSERT_FALSE(quietly);
        EXPECT_EQ(quietly.failure().kind, c.kind);
        EXPECT_EQ(quietly.failure().text, expected);
        EXPECT_TRUE(quiet.ui.logLines().empty());
        EXPECT_TRUE(quiet.ui.boxes().empty());
        EXPECT_EQ(differences(quiet.settings, quiet.before), std::vector<std::string>{});
    }
}

}  // namespace
}  // namespace zeru::test
