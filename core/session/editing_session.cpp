// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/editing_session.h"

#include "changes/pending_changes.h"
#include "compare/held_settings.h"
#include "device/upload_notice.h"
#include "interaction/command.h"
#include "interaction/silent_ui.h"
#include "rules/rules.h"

namespace zeru::session {

std::string revertStepName(std::size_t count) {
    return count == 1 ? std::string("Revert 1 setting") : "Revert " + std::to_string(count) + " settings";
}

EditingSession::EditingSession(Settings& settings, UserInterface& ui)
    : settings_(settings), ui_(ui), history_(settings) {
    copySettings(settings_, baseline_);
}

void EditingSession::startOver() {
    history_.resync();
    takeBaseline();
}

void EditingSession::takeBaseline() { copySettings(settings_, baseline_); }

const Settings& EditingSession::referenceSettings() const {
    return reference_ == Reference::Baseline ? static_cast<const Settings&>(baseline_) : other_;
}

void EditingSession::compareWithDefaults() {
    SilentUi quiet;  // with the defaults no rule has anything to say
    rules::applyStartupSequence(other_, quiet);
    reference_ = Reference::Defaults;
}

void EditingSession::compareWith(Reference reference, const Settings& other) {
    copySettings(other, other_);
    reference_ = reference;
}

std::vector<compare::Difference> EditingSession::comparison() const {
    if (reference_ == Reference::Baseline) return changes();
    // Against the device, the values as the device would hold them once
    // written: a device written from this session then shows no change.
    SettingsModel held;
    if (reference_ == Reference::Device && compare::asTheDeviceHoldsIt(settings_, held))
        return compare::compareSettings(other_, held);
    return compare::compareSettings(other_, settings_);
}

void EditingSession::chooseEntry(SettingId id, int index) {
    history_.record(kUnrecordedEditStep);
    settings_.setIndex(id, index);
    runCommand(ui_, [&] { rules::userChoiceMade(settings_, id, ui_); });
    recordUserEdit(id);
}

void EditingSession::defaultParameters(bool analog, int channel) {
    history_.record(kUnrecordedEditStep);
    runCommand(ui_, [&] {
        if (analog)
            rules::applyAnalogPreset(settings_, channel);
        else
            rules::applyDigitalPreset(settings_, channel);
    });
    history_.record(kDefaultParametersStep);
}

bool EditingSession::applyAssignments(std::string_view name, std::span<const Assignment> assignments) {
    history_.record(kUnrecordedEditStep);
    for (const Assignment& assignment : assignments) {
        writeValue(settings_, assignment.id, assignment.value);
        rules::settle(settings_, assignment.id, ui_);
    }
    return history_.record(name);
}

bool EditingSession::revert(std::span<const compare::Difference> differences) {
    if (differences.empty()) return false;
    history_.record(kUnrecordedEditStep);
    // Each as if picked by the user: the rules settle, their messages shown.
    changes::revertSettings(settings_, referenceSettings(), differences, ui_);
    return history_.record(revertStepName(differences.size()));
}

bool EditingSession::mayReplaceSettings(const std::function<bool()>& save) {
    history_.record(kUnrecordedEditStep);
    return changes::mayReplace(hasUnsavedChanges(), ui_, save);
}

ReadOutcome EditingSession::readConfig(DeviceFlows& device) {
    history_.record(kUnrecordedEditStep);
    // Stays so if the read ends by a fault of the program (its error box shown).
    ReadOutcome read{false, Failure::of(FailureKind::DeviceFailed)};
    runCommand(ui_, [&] { read = device.readConfig(); });
    history_.record(kReadConfigStep);
    if (read) takeBaseline();
    return read;
}

std::optional<Outcome> EditingSession::writeConfig(DeviceFlows& device) {
    history_.record(kUnrecordedEditStep);
    if (problems::sendsEmergency(settings_) && !ui_.confirm(Message::fromUtf8(problems::kEmergencyQuestion)))
        return std::nullopt;
    Outcome written = Failure::of(FailureKind::DeviceFailed);
    runCommand(ui_, [&] { written = device.writeConfig(); });
    if (written) takeBaseline();
    return written;
}

std::optional<Outcome> EditingSession::uploadFirmware(DeviceFlows& device) {
    history_.record(kUnrecordedEditStep);
    if (!ui_.confirm(Message::fromUtf8(firmwareUploadQuestion()))) return std::nullopt;
    Outcome uploaded = Failure::of(FailureKind::DeviceFailed);
    runCommand(ui_, [&] { uploaded = device.uploadFirmware(); });
    return uploaded;
}

Outcome EditingSession::load(std::string_view stepName, const std::function<Outcome()>& load) {
    history_.record(kUnrecordedEditStep);
    // Stays so if a fault of the program ends the load (its error box shown).
    Outcome loaded = Failure::of(FailureKind::ImageRefused);
    runCommand(ui_, [&] { loaded = load(); });
    // A refused file may have set some values before it stopped: undoable too.
    history_.record(stepName);
    if (loaded) takeBaseline();
    return loaded;
}

}  // namespace zeru::session
