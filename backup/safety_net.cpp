// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/safety_net.h"

#include <stdexcept>
#include <string>

#include "compare/comparison.h"
#include "device/eeprom_transfer.h"
#include "image/codec.h"
#include "interaction/silent_ui.h"
#include "settings/settings_model.h"

namespace zeru::backup {
namespace {

constexpr std::string_view kNothingWritten = " Nothing was written.";

// The settings `image` holds, as "Read config" would show them; false when it
// fails its checksum, end marker or configuration version. Decoding a backup
// must not speak to the user: its rules' messages and a version box belong to
// "Read config", not to a write.
bool decodeQuietly(const ConfigImage& image, Settings& settings) {
    SilentUi silent;
    return VerifyImage(image) && DecodeConfiguration(image, settings, silent);
}

}  // namespace

SafetyNet::Backup SafetyNet::readAndKeep(DeviceLink& link, bool nothingWritten, Settings& deviceSettings,
                                         bool& decoded) {
    UserInterface& ui = link.ui();
    const std::string tail = nothingWritten ? std::string(kNothingWritten) : std::string();
    ConfigImage memory{};
    const std::size_t pages = readEepromPages(link, memory);
    if (pages < kPageCount) {
        ui.log(pageLine("Backup read error: page ", pages + 1, kPageCount) + "." + tail);
        return Backup::Failed;
    }
    // A memory that fails its checksum holds no configuration (erased, or
    // written by something else); one of another configuration version is
    // kept as it is.
    if (!VerifyImage(memory)) {
        ui.log("No backup: the device holds no valid configuration.");
        return Backup::NoValidConfiguration;
    }
    decoded = decodeQuietly(memory, deviceSettings);
    try {
        ui.log("Backup saved: " + store_.keep(memory, decoded ? &deviceSettings : nullptr));
    } catch (const std::exception& e) {
        ui.log("Backup not saved: " + std::string(e.what()) + "." + tail);
        return Backup::Failed;
    }
    return Backup::Kept;
}

bool SafetyNet::beforeWrite(DeviceLink& link, const ConfigImage& toWrite) {
    SettingsModel onDevice;
    bool decoded = false;
    const Backup backup = readAndKeep(link, true, onDevice, decoded);
    if (backup == Backup::Failed) return false;
    if (!decoded) return true;

    SettingsModel written;
    decodeQuietly(toWrite, written);
    const std::vector<compare::Difference> changes = compare::compareSettings(onDevice, written);
    UserInterface& ui = link.ui();
    if (changes.empty()) {
        ui.log("No changes: the device already holds this configuration.");
        return true;
    }
    ui.log("Changes on the device: " + std::to_string(changes.size()) + " settings");
    for (const compare::Difference& change : changes) ui.log(compare::differenceLine(change));
    return true;
}

void SafetyNet::beforeUpload(DeviceLink& link) {
    SettingsModel onDevice;
    bool decoded = false;
    readAndKeep(link, false, onDevice, decoded);
}

}  // namespace zeru::backup
