// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/device_flows.h"

#include <utility>

#include "device/device_link.h"
#include "device/eeprom_transfer.h"
#include "device/version_requests.h"
#include "image/codec.h"

namespace zeru {

namespace {

constexpr std::string_view kFirmwareVersionReadError = "Firmware version read error.";

// True when the device's firmware version is ours; otherwise tells the user (a
// failed request as a log line, another version as `incompatibleText`'s box).
template <typename IncompatibleText>
bool firmwareMatches(DeviceLink& link, IncompatibleText incompatibleText) {
    const std::optional<std::uint32_t> version = GetFirmwareVersion(link);
    if (!version) {
        link.ui().log(Message::fromUtf8(kFirmwareVersionReadError));
        return false;
    }
    if (*version != kConfiguratorVersion) {
        link.ui().information(Message::fromUtf8(incompatibleText(*version)));
        return false;
    }
    return true;
}

// Enables the command buttons again however the upload ends.
class BusyScope {
public:
    explicit BusyScope(UserInterface& ui) : ui_(ui) { ui_.setBusy(true); }
    ~BusyScope() { ui_.setBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    UserInterface& ui_;
};

}  // namespace

DeviceFlows::DeviceFlows(Settings& settings, UserInterface& ui, ConfigImages& images,
                         ReportTransport& transport, FirmwareSource firmware, WriteSafety* safety)
    : settings_(settings),
      ui_(ui),
      images_(images),
      transport_(transport),
      firmware_(std::move(firmware)),
      safety_(safety),
      firmwareBuffer_(std::make_unique<std::array<std::uint8_t, kFirmwareBufferSize>>()) {}

bool DeviceFlows::finish(DeviceOutcome outcome) {
    outcome_ = outcome;
    return outcome == DeviceOutcome::Success;
}

bool DeviceFlows::writeConfig() {
    outcome_ = DeviceOutcome::SettingsRefused;  // stays so when encoding throws
    if (!EncodeConfiguration(settings_, ui_, images_.writeImage))
        return finish(DeviceOutcome::SettingsRefused);
    DeviceLink link(transport_, ui_, selector_);
    if (!link.FindDevice()) {
        link.CloseDevice();
        return finish(DeviceOutcome::NoDevice);
    }
    if (!link.isOpen()) return finish(DeviceOutcome::DeviceFailed);  // its line says why
    const bool written = firmwareMatches(link, writeIncompatibleText) &&
                         (!safety_ || safety_->beforeWrite(link, images_.writeImage)) && writeAndVerify(link);
    link.CloseDevice();
    return finish(written ? DeviceOutcome::Success : DeviceOutcome::DeviceFailed);
}

bool DeviceFlows::writeAndVerify(DeviceLink& link) {
    if (!WriteEeprom(link, images_.writeImage)) return false;
    // An acknowledged page is not always a stored one.
    const std::size_t matching = verifyEepromPages(link, images_.writeImage);
    if (matching < kPageCount) {
        ui_.log(Message::fromUtf8(pageLine("Eeprom verify error: page ", matching + 1, kPageCount)));
        return false;
    }
    ui_.log("Eeprom verify success");
    return true;
}

bool DeviceFlows::readConfig() {
    images_.readImage.fill(0);
    DeviceLink link(transport_, ui_, selector_);
    if (!link.FindDevice()) {
        link.CloseDevice();
        return finish(DeviceOutcome::NoDevice);
    }
    if (!link.isOpen()) return finish(DeviceOutcome::DeviceFailed);  // its line says why
    if (!firmwareMatches(link, readIncompatibleText)) {
        link.CloseDevice();
        return finish(DeviceOutcome::DeviceFailed);
    }
    // A failed page leaves zeros behind; the checks below tell whether the
    // part of the image that matters came through.
    const bool allPages = ReadEeprom(link, images_.readImage);
    link.CloseDevice();
    if (!VerifyImage(images_.readImage)) {
        ui_.log("Eeprom checksum error. Please reload configuration.");
        return finish(allPages ? DeviceOutcome::ImageRefused : DeviceOutcome::DeviceFailed);
    }
    if (!DecodeConfiguration(images_.readImage, settings_, ui_)) {
        ui_.log("Eeprom read error. Please reload configuration.");
        return finish(DeviceOutcome::ImageRefused);
    }
    ui_.log("Eeprom read success.");
    if (link.FindDevice()) ShowDeviceVersions(link);
    link.CloseDevice();
    // A page past the configuration block may fail without harm to the
    // settings ("Eeprom read success." stands); the outcome still tells that
    // the device misbehaved.
    finish(allPages ? DeviceOutcome::Success : DeviceOutcome::DeviceFailed);
    return true;
}

bool DeviceFlows::uploadFirmware() {
    DeviceLink link(transport_, ui_, selector_);
    if (!link.FindDevice()) return finish(DeviceOutcome::NoDevice);
    if (!link.isOpen()) return finish(DeviceOutcome::DeviceFailed);
    bool uploaded = false;
    {
        BusyScope busy(ui_);
        if (safety_) safety_->beforeUpload(link);
        uploaded = UploadFirmware(link, firmware_, *firmwareBuffer_);
    }
    link.CloseDevice();
    return finish(uploaded ? DeviceOutcome::Success : DeviceOutcome::DeviceFailed);
}

}  // namespace zeru
