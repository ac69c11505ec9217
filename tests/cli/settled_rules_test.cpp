// SPDX-License-Identifier: GPL-3.0-or-later
// Every path that changes settings on the user's behalf settles the rules
// that tie them together, as a pick in the window does: no path leaves two
// ports in one role, and the problems check catches a pair that comes from
// elsewhere.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "cfgfile/config_file.h"
#include "changes/pending_changes.h"
#include "cli/set_option.h"
#include "image/codec.h"
#include "problems/problems.h"
#include "rules/rules.h"
#include "settings/settings_model.h"
#include "support/recording_ui.h"

namespace zeru::test {
namespace {

const std::string kRs232ToNone =
    "RS-232 port 2 changed to None.\rReason:\rSerial console can be selected on one port only.";
const std::string kBluetoothToNone =
    "Bluetooth port 1 changed to None.\rReason:\rKISS packet output can be selected on one port only.";

SettingsModel withPorts(int rs232, int bluetooth) {
    SettingsModel s;
    s.setIndex(SettingId::Serial1_mode, rs232);
    s.setIndex(SettingId::Serial2_mode, bluetooth);
    return s;
}

void revertOne(SettingsModel& s, const Settings& reference, SettingId setting, UserInterface& ui) {
    auto differences = compare::compareSettings(reference, s);
    std::erase_if(differences, [&](const compare::Difference& d) { return d.key->setting != setting; });
    ASSERT_EQ(differences.size(), 1u);
    changes::revertSettings(s, reference, differences, ui);
}

TEST(SettledRules, NoPathLeavesTwoPortsInOneRole) {
    const struct {
        const char* path;
        std::function<void(SettingsModel&, UserInterface&)> run;
        int rs232, bluetooth;  // the roles after it
        std::vector<std::string> boxes;
    } cases[] = {
        {"--set RS-232 console, then Bluetooth console",
         [](SettingsModel& s, UserInterface& ui) {
             EXPECT_TRUE(cli::applySetOption(s, "SerialPorts.Serial1", "2", ui));
             EXPECT_TRUE(cli::applySetOption(s, "SerialPorts.Serial2", "1", ui));
         },
         0,
         1,
         {kRs232ToNone}},
        {"--set RS-232 KISS over Bluetooth KISS",
         [](SettingsModel& s, UserInterface& ui) {
             EXPECT_TRUE(cli::applySetOption(s, "serialports.serial1", "4", ui));
         },
         4,
         0,
         {kBluetoothToNone}},
        {"revert of the Bluetooth port alone",
         [](SettingsModel& s, UserInterface& ui) {
             s.setIndex(SettingId::Serial2_mode, 0);
             revertOne(s, withPorts(0, 1), SettingId::Serial2_mode, ui);
         },
         0,
         1,
         {kRs232ToNone}},
        {"file holding KISS on both",
         [](SettingsModel& s, UserInterface& ui) {
             const cfgfile::ProfileFile file(
                 "[!WARNING]\nApplication=Kestrovane Zeru "
                 "Configurator\nVersion=v1.02\n[SerialPorts]\nSerial1=4\n"
                 "Serial2=2\n");
             EXPECT_TRUE(cfgfile::applyConfigFile(file, s, ui));
         },
         4,
         0,
         {kBluetoothToNone}},
        {"image holding KISS on both",
         [](SettingsModel& s, UserInterface& ui) {
             ConfigImage image{};
             RecordingUi quiet;
             ASSERT_TRUE(EncodeConfiguration(withPorts(4, 2), quiet, image, 1));
             ASSERT_TRUE(DecodeConfiguration(image, s, ui));
         },
         4,
         0,
         {kBluetoothToNone}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        SettingsModel settings = withPorts(2, 2);  // the start-up roles
        RecordingUi ui;
        c.run(settings, ui);
        EXPECT_EQ(settings.index(SettingId::Serial1_mode), c.rs232);
        EXPECT_EQ(settings.index(SettingId::Serial2_mode), c.bluetooth);
        EXPECT_EQ(ui.boxes(), c.boxes);
        EXPECT_TRUE(rules::portConflicts(settings).empty());
    }
}

TEST(SettledRules, RevertOfTheEncodingSwitchesItsFields) {
    SettingsModel settings;
    settings.setIndex(SettingId::Position_report_encoding, 2);
    rules::positionEncodingChanged(settings);
    ASSERT_FALSE(settings.isEnabled(SettingId::Mice_message));
    RecordingUi ui;

    revertOne(settings, SettingsModel(), SettingId::Position_report_encoding, ui);

    EXPECT_TRUE(settings.isEnabled(SettingId::Mice_message));
    EXPECT_FALSE(settings.isEnabled(SettingId::Position_time));
}

// What nothing settled is told at the fields concerned, as a warning: the
// device takes it, so "Write config" does not refuse it.
TEST(SettledRules, UnsettledChoicesAreWarningsAtTheirFields) {
    const std::string console = "Serial console can be selected on one port only.";
    const std::string kiss = "KISS packet output can be selected on one port only.";
    const std::string passthrough =
        "GPS passthrough function on Bluetooth 1 port needs a GPS connected to RS-232 port 2.";
    const std::string outside = "RS-232 port 2 - outside its list: the device gets no selection.";
    using P = std::pair<SettingId, std::string>;
    const SettingId rs = SettingId::Serial1_mode, bt = SettingId::Serial2_mode;
    const struct {
        int rs232, bluetooth;  // 9: outside the RS-232 list
        std::vector<P> warnings;
    } cases[] = {
        {2, 1, {{rs, console}, {bt, console}}},
        {4, 2, {{rs, kiss}, {bt, kiss}}},
        {4, 3, {{rs, passthrough}, {bt, passthrough}}},  // --set Serial2=3, then Serial1=4
        {2, 2, {}},
        {3, 3, {}},
        {9, 0, {{rs, outside}}},
        {9, 3, {{rs, outside}, {rs, passthrough}, {bt, passthrough}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.rs232) + "/" + std::to_string(c.bluetooth));
        const SettingsModel settings = withPorts(c.rs232, c.bluetooth);
        std::vector<P> warnings;
        for (const problems::Problem& p : problems::unsettledChoices(settings)) {
            EXPECT_EQ(p.severity, problems::Severity::Warning);
            warnings.emplace_back(p.setting, p.message);
        }
        EXPECT_EQ(warnings, c.warnings);
        // All of them among the problems, and none an error.
        std::size_t found = 0;
        for (const problems::Problem& p : problems::findProblems(settings)) {
            EXPECT_EQ(p.severity, problems::Severity::Warning) << p.message;
            found += std::count(warnings.begin(), warnings.end(), P{p.setting, p.message}) > 0 ? 1 : 0;
        }
        EXPECT_EQ(found, warnings.size());
    }
}

}  // namespace
}  // namespace zeru::test
