// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/core/browser_session.h"

#include <algorithm>
#include <memory>
#include <string_view>

#include "backup/backup_flows.h"
#include "cfgfile/config_file.h"
#include "cfgfile/file_flows.h"
#include "cfgfile/file_read.h"
#include "changes/pending_changes.h"
#include "compare/held_settings.h"
#include "device/firmware_resource.h"
#include "device/upload_notice.h"
#include "interaction/command.h"
#include "interaction/silent_ui.h"
#include "rules/rules.h"

namespace zeru::web {

BrowserSession::BrowserSession() : BrowserSession(pageUi_, pageTransport_) {}

BrowserSession::BrowserSession(UserInterface& ui, ReportTransport& transport)
    : ui_(ui),
      transport_(transport),
      safety_(backups_),
      device_(settings_, ui_, images_, transport_, findFirmwareResource, &safety_) {
    rules::applyStartupSequence(settings_, ui_);
    takeBaseline(false);  // the start-up settings: nothing read yet
}

void BrowserSession::chooseEntry(const std::string& name, int index) {
    const auto id = findSetting(name);
    if (!id) return;
    settings_.setIndex(*id, index);
    runCommand(ui_, [&] { rules::userChoiceMade(settings_, *id, ui_); });
}

void BrowserSession::defaultParameters(bool analog, int channel) {
    runCommand(ui_, [&] {
        if (analog)
            rules::applyAnalogPreset(settings_, channel);
        else
            rules::applyDigitalPreset(settings_, channel);
    });
}

std::vector<compare::Difference> BrowserSession::comparison() const {
    if (reference_ == Reference::Baseline) return changes();
    SettingsModel held;
    if (reference_ == Reference::Device && compare::asTheDeviceHoldsIt(settings_, held))
        return compare::compareSettings(other_, held);
    return compare::compareSettings(other_, settings_);
}

void BrowserSession::compareWithDefaults() {
    SilentUi quiet;  // with the defaults no rule has anything to say
    rules::applyStartupSequence(other_, quiet);
    reference_ = Reference::Defaults;
}

Outcome BrowserSession::compareWithFile(const std::string& bytes, const std::string& name) {
    SettingsModel file;
    SilentUi quiet;
    rules::applyStartupSequence(file, quiet);
    if (Outcome loaded = loadFile(bytes, name, file); !loaded) return loaded;
    copySettings(file, other_);
    reference_ = Reference::File;
    return {};
}

bool BrowserSession::compareWithDevice() {
    SettingsModel device;
    auto images = std::make_unique<ConfigImages>();
    DeviceFlows flows(device, ui_, *images, transport_);
    // What the device holds, its port roles not settled: a pair the rules
    // would change must not compare as the pair they make of it.
    if (!flows.readConfig(PortRoles::AsHeld).settingsRead) return false;
    copySettings(device, other_);
    reference_ = Reference::Device;
    return true;
}

void BrowserSession::revert(const std::vector<std::string>& names) {
    std::vector<compare::Difference> differences = comparison();
    if (!names.empty())
        std::erase_if(differences, [&](const compare::Difference& d) {
            return std::find(names.begin(), names.end(), settingName(d.key->setting)) == names.end();
        });
    // Each as if picked by the user: the rules settle, their messages shown.
    changes::revertSettings(settings_, reference_ == Reference::Baseline ? baseline_ : other_, differences,
                            ui_);
}

SavedFile BrowserSession::saveToFile() {
    SavedFile file;
    file.name = std::string(cfgfile::kProposedFileName);
    const auto values = cfgfile::fileValues(settings_);
    if (!values) {
        ui_.error(Message::fromUtf8(errorBoxText(values.failure().text)));
        if (const auto setting = values.failure().setting) file.refusedSetting = settingName(*setting);
        return file;
    }
    // A download is always a new file: nothing of an old one to keep.
    file.bytes = cfgfile::updatedFileContent("", *values);
    file.saved = true;
    ui_.log(Message::fromUtf8("Saved " + file.name));
    takeBaseline();
    return file;
}

Outcome BrowserSession::loadFile(const std::string& bytes, const std::string& name, Settings& settings) {
    if (bytes.size() > cfgfile::kMaxConfigFileSize) {
        const Message refusal = cfgfile::tooLargeMessage(name, bytes.size());
        ui_.information(refusal);
        return Failure::of(FailureKind::ImageRefused, refusal.utf8());
    }
    // Stays so if a fault of the program ends the load (its error box shown).
    Outcome loaded = Failure::of(FailureKind::ImageRefused);
    runCommand(ui_, [&] { loaded = cfgfile::applyConfigFile(cfgfile::ProfileFile(bytes), settings, ui_); });
    return loaded;
}

Outcome BrowserSession::readFromFile(const std::string& bytes, const std::string& name) {
    if (Outcome loaded = loadFile(bytes, name, settings_); !loaded) return loaded;
    ui_.log(Message::fromUtf8("Loaded " + name));
    takeBaseline();
    return {};
}

Outcome BrowserSession::restoreBackup(const std::string& name) {
    const auto refused = [this](std::string_view text) {
        ui_.information(Message::fromUtf8(text));
        return Failure::of(FailureKind::ImageRefused, std::string(text));
    };
    if (name.size() < 4 || name.compare(name.size() - 4, 4, ".cfg") != 0)
        return refused(backup::kOnlyCfgLoads);
    const auto bytes = backups_.file(name);
    if (!bytes) return refused(cfgfile::kIdentificationMessage);
    return readFromFile(*bytes, name);
}

ReadOutcome BrowserSession::readConfig() {
    ReadOutcome read{false, Failure::of(FailureKind::DeviceFailed)};
    runCommand(ui_, [&] { read = device_.readConfig(); });
    if (read) takeBaseline();
    return read;
}

std::optional<Outcome> BrowserSession::writeConfig() {
    if (problems::sendsEmergency(settings_) && !ui_.confirm(Message::fromUtf8(problems::kEmergencyQuestion)))
        return std::nullopt;
    Outcome written = Failure::of(FailureKind::DeviceFailed);
    runCommand(ui_, [&] { written = device_.writeConfig(); });
    if (written) takeBaseline();
    return written;
}

std::optional<Outcome> BrowserSession::uploadFirmware() {
    if (!ui_.confirm(Message::fromUtf8(firmwareUploadQuestion()))) return std::nullopt;
    Outcome uploaded = Failure::of(FailureKind::DeviceFailed);
    runCommand(ui_, [&] { uploaded = device_.uploadFirmware(); });
    return uploaded;
}

}  // namespace zeru::web
