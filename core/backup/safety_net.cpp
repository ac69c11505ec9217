// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/safety_net.h"

#include <string>
#include <utility>

#include "backup/quiet_decode.h"
#include "compare/comparison.h"
#include "device/eeprom_transfer.h"
#include "image/codec.h"
#include "settings/settings_model.h"

namespace zeru::backup {
namespace {

constexpr std::string_view kNothingWritten = " Nothing was written.";

// A backup that failed: its line logged, and its failure with that text.
Failure failed(UserInterface& ui, std::string line) {
    ui.log(Message::fromUtf8(line));
    return Failure::of(FailureKind::DeviceFailed, std::move(line));
}

}  // namespace

Result<SafetyNet::Backup> SafetyNet::readAndKeep(DeviceLink& link, bool nothingWritten,
                                                 Settings& deviceSettings, bool& decoded) {
    UserInterface& ui = link.ui();
    const std::string tail = nothingWritten ? std::string(kNothingWritten) : std::string();
    ConfigImage memory{};
    const std::size_t pages = readEepromPages(link, memory);
    if (pages < kPageCount)
        return failed(ui, pageLine("Backup read error: page ", pages + 1, kPageCount) + "." + tail);
    // A memory that fails its checksum holds no configuration (erased, or
    // written by something else); one of another configuration version is
    // kept as it is.
    if (!VerifyImage(memory)) {
        ui.log("No backup: the device holds no valid configuration.");
        return Backup::NoValidConfiguration;
    }
    decoded = decodeQuietly(memory, deviceSettings);
    if (const auto note = store_.folderNote()) ui.log(Message::fromUtf8(*note));
    const Result<std::string> kept = store_.keep(memory, decoded ? &deviceSettings : nullptr);
    if (!kept) return failed(ui, "Backup not saved: " + kept.failure().text + "." + tail);
    ui.log(Message::fromUtf8("Backup saved: " + *kept));
    return Backup::Kept;
}

Outcome SafetyNet::beforeWrite(DeviceLink& link, const ConfigImage& toWrite) {
    SettingsModel onDevice;
    bool decoded = false;
    if (const Result<Backup> backup = readAndKeep(link, true, onDevice, decoded); !backup)
        return backup.failure();
    if (!decoded) return {};

    SettingsModel written;
    decodeQuietly(toWrite, written);
    const std::vector<compare::Difference> changes = compare::compareSettings(onDevice, written);
    UserInterface& ui = link.ui();
    if (changes.empty()) {
        ui.log("No changes: the device already holds this configuration.");
        return {};
    }
    ui.log(Message::fromUtf8("Changes on the device: " + std::to_string(changes.size()) + " settings"));
    for (const compare::Difference& change : changes)
        ui.log(Message::fromLatin1(compare::differenceLine(change)));
    return {};
}

void SafetyNet::beforeUpload(DeviceLink& link) {
    SettingsModel onDevice;
    bool decoded = false;
    static_cast<void>(readAndKeep(link, false, onDevice, decoded));  // its line says how it went
}

}  // namespace zeru::backup
