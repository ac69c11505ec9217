// SPDX-License-Identifier: GPL-3.0-or-later
// Every device command through the session against the simulated device, with
// every fault the device can show: the user is shown the command's own lines
// and boxes with only the session's question before them, the baseline moves
// only after a success, and a read that replaced the settings can be undone.
#include <gtest/gtest.h>

#include <functional>

#include "device/upload_notice.h"
#include "image/codec.h"
#include "problems/problems.h"
#include "session/editing_session.h"
#include "settings/settings_model.h"
#include "sim/device_simulator.h"
#include "sim/simulator_transport.h"
#include "support/recording_ui.h"
#include "support/settings_diff.h"

namespace zeru::test {
namespace {

enum class Command { Read, Write, Upload };

// Settings, a device and flows over them; the device holds a valid image of
// other settings.
struct Bench {
    sim::DeviceState device;
    sim::SimulatorTransport transport{device};
    RecordingUi ui;
    SettingsModel settings;
    ConfigImages images;
    DeviceFlows flows{settings, ui, images, transport};

    explicit Bench(std::optional<sim::Fault> fault) {
        SettingsModel stored;
        stored.setText(SettingId::Callsign, "OK3BBB");
        RecordingUi quiet;
        ConfigImage image{};
        EXPECT_TRUE(EncodeConfiguration(stored, quiet, image, 0x1234));
        device.memory = image;
        device.fault = fault;
    }
    Outcome runBare(Command command) {
        settings.setText(SettingId::Callsign, "OK1ZRU");
        switch (command) {
            case Command::Read:
                return flows.readConfig().outcome;
            case Command::Write:
                return flows.writeConfig();
            case Command::Upload:
                return flows.uploadFirmware();
        }
        return {};
    }
};

std::optional<Outcome> runInSession(session::EditingSession& s, DeviceFlows& flows, Command command) {
    switch (command) {
        case Command::Read:
            return s.readConfig(flows).outcome;
        case Command::Write:
            return s.writeConfig(flows);
        case Command::Upload:
            return s.uploadFirmware(flows);
    }
    return std::nullopt;
}

std::vector<std::optional<sim::Fault>> everyFault() {
    std::vector<std::optional<sim::Fault>> faults{std::nullopt};
    for (auto kind : {sim::FaultKind::Refuse, sim::FaultKind::BadSum, sim::FaultKind::BadEcho,
                      sim::FaultKind::Short, sim::FaultKind::Silent, sim::FaultKind::WrongPage,
                      sim::FaultKind::Gone, sim::FaultKind::Drop, sim::FaultKind::Flip}) {
        faults.push_back(sim::Fault{kind, sim::FaultTarget::Page, 3});
        faults.push_back(sim::Fault{kind, sim::FaultTarget::FirmwareVersion, 0});
    }
    return faults;
}

TEST(CommandPolicy, EveryCommandWithEveryFaultShowsTheFlowsOwnLinesAfterItsQuestion) {
    for (Command command : {Command::Read, Command::Write, Command::Upload}) {
        for (const auto& fault : everyFault()) {
            SCOPED_TRACE(fault ? sim::formatFault(*fault) : "no fault");
            SCOPED_TRACE(static_cast<int>(command));
            Bench bare(fault);
            const Outcome bareOutcome = bare.runBare(command);

            Bench run(fault);
            session::EditingSession s(run.settings, run.ui);
            run.settings.setText(SettingId::Callsign, "OK1ZRU");  // typed, not yet recorded
            SettingsModel before;
            copySettings(run.settings, before);
            const std::optional<Outcome> outcome = runInSession(s, run.flows, command);
            ASSERT_TRUE(outcome);
            EXPECT_EQ(outcome->ok(), bareOutcome.ok());

            std::vector<RecordingUi::Event> expected;
            if (command == Command::Upload)
                expected.push_back({RecordingUi::Event::Question, firmwareUploadQuestion()});
            expected.insert(expected.end(), bare.ui.events.begin(), bare.ui.events.end());
            EXPECT_EQ(run.ui.events, expected);
            EXPECT_EQ(run.device.memory, bare.device.memory);

            // The baseline follows the settings after a success only.
            const bool settingsRead = command == Command::Read && !differences(run.settings, before).empty();
            const bool baselineMoved = command == Command::Read    ? settingsRead
                                       : command == Command::Write ? outcome->ok()
                                                                   : false;
            EXPECT_EQ(s.hasUnsavedChanges(), !baselineMoved);
            // The edit is a step before the command; a read that replaced the
            // settings is one more, and its undo brings the edit back.
            EXPECT_EQ(s.history().steps().size(), settingsRead ? 2u : 1u);
            if (settingsRead) {
                EXPECT_EQ(session::undoLabel(s.history()), "Undo Read config");
                s.undo();
                EXPECT_EQ(differences(run.settings, before), std::vector<std::string>{});
            }
        }
    }
}

// The questions: No leaves the device alone and the baseline where it was.
TEST(CommandPolicy, NoToTheQuestionSendsNothing) {
    for (Command command : {Command::Write, Command::Upload}) {
        Bench run(std::nullopt);
        if (command == Command::Write) {
            run.settings.setIndex(SettingId::Position_report_mode, 1);
            run.settings.setIndex(SettingId::Position_report_encoding, 0);
            run.settings.setIndex(SettingId::Mice_message, 7);  // Emergency
        }
        session::EditingSession s(run.settings, run.ui);
        run.settings.setText(SettingId::Callsign, "OK2CCC");
        run.ui.confirmAnswer = false;
        EXPECT_EQ(runInSession(s, run.flows, command), std::nullopt);
        const std::string question =
            command == Command::Write ? std::string(problems::kEmergencyQuestion) : firmwareUploadQuestion();
        EXPECT_EQ(run.ui.events, (std::vector<RecordingUi::Event>{{RecordingUi::Event::Question, question}}));
        EXPECT_EQ(run.device.requests, 0u);
        EXPECT_TRUE(s.hasUnsavedChanges());
        // The edit typed before the command is a step of its own.
        EXPECT_EQ(session::undoLabel(s.history()), "Undo Edit");
    }
}

}  // namespace
}  // namespace zeru::test
