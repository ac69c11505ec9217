// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/core/browser_session.h"

#include <algorithm>
#include <memory>

#include "backup/backup_flows.h"
#include "cfgfile/config_file.h"
#include "cfgfile/file_flows.h"
#include "cfgfile/file_read.h"
#include "cfgfile/save_refusal.h"
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
    takeBaseline();
}

void BrowserSession::chooseEntry(const std::string& name, int index) {
    const auto id = findSetting(name);
    if (!id) return;
    settings_.setIndex(*id, index);
    runCommand(ui_, [&] { rules::userChoiceMade(settings_, name, ui_); });
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

bool BrowserSession::compareWithFile(const std::string& bytes, const std::string& name) {
    SettingsModel file;
    SilentUi quiet;
    rules::applyStartupSequence(file, quiet);
    if (bytes.size() > cfgfile::kMaxConfigFileSize) {
        ui_.information(cfgfile::tooLargeMessage(name, bytes.size()));
        return false;
    }
    bool loaded = false;
    runCommand(ui_, [&] { loaded = cfgfile::applyConfigFile(cfgfile::ProfileFile(bytes), file, ui_); });
    if (!loaded) return false;
    copySettings(file, other_);
    reference_ = Reference::File;
    return true;
}

bool BrowserSession::compareWithDevice() {
    SettingsModel device;
    auto images = std::make_unique<ConfigImages>();
    DeviceFlows flows(device, ui_, *images, transport_);
    if (!flows.readConfig()) return false;
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
    // A download is always a new file: nothing of an old one to keep.
    file.saved = runCommand(
        ui_, [&] { file.bytes = cfgfile::updatedFileContent("", cfgfile::fileValues(settings_)); });
    if (!file.saved) {
        file.bytes.clear();
        if (auto setting = cfgfile::settingRefusedBySave(settings_))
            file.refusedSetting = settingName(*setting);
        return file;
    }
    ui_.log(Message::fromUtf8("Saved " + file.name));
    takeBaseline();
    return file;
}

bool BrowserSession::readFromFile(const std::string& bytes, const std::string& name) {
    if (bytes.size() > cfgfile::kMaxConfigFileSize) {
        ui_.information(cfgfile::tooLargeMessage(name, bytes.size()));
        return false;
    }
    bool loaded = false;
    runCommand(ui_, [&] { loaded = cfgfile::applyConfigFile(cfgfile::ProfileFile(bytes), settings_, ui_); });
    if (!loaded) return false;
    ui_.log(Message::fromUtf8("Loaded " + name));
    takeBaseline();
    return true;
}

bool BrowserSession::restoreBackup(const std::string& name) {
    if (name.size() < 4 || name.compare(name.size() - 4, 4, ".cfg") != 0) {
        ui_.information(Message::fromUtf8(backup::kOnlyCfgLoads));
        return false;
    }
    const auto bytes = backups_.file(name);
    if (!bytes) {
        ui_.information(Message::fromUtf8(cfgfile::kIdentificationMessage));
        return false;
    }
    return readFromFile(*bytes, name);
}

bool BrowserSession::readConfig() {
    bool read = false;
    runCommand(ui_, [&] { read = device_.readConfig(); });
    if (read) takeBaseline();
    return read;
}

bool BrowserSession::writeConfig() {
    if (problems::sendsEmergency(settings_) && !ui_.confirm(Message::fromUtf8(problems::kEmergencyQuestion)))
        return false;
    bool written = false;
    runCommand(ui_, [&] { written = device_.writeConfig(); });
    if (written) takeBaseline();
    return written;
}

bool BrowserSession::uploadFirmware() {
    if (!ui_.confirm(Message::fromUtf8(firmwareUploadQuestion()))) return false;
    bool uploaded = false;
    runCommand(ui_, [&] { uploaded = device_.uploadFirmware(); });
    return uploaded;
}

}  // namespace zeru::web
