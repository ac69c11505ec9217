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
        link.ui().log(kFirmwareVersionReadError);
        return false;
    }
    if (*version != kConfiguratorVersion) {
        link.ui().information(incompatibleText(*version));
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
                         ReportTransport& transport, FirmwareSource firmware)
    : settings_(settings),
      ui_(ui),
      images_(images),
      transport_(transport),
      firmware_(std::move(firmware)),
      firmwareBuffer_(std::make_unique<std::array<std::uint8_t, kFirmwareBufferSize>>()) {}

bool DeviceFlows::Button_write_configClick() {
    if (!EncodeConfiguration(settings_, ui_, images_.writeImage)) return false;
    DeviceLink link(transport_, ui_);
    if (!link.FindDevice()) {
        link.CloseDevice();
        return false;
    }
    bool written = false;
    if (firmwareMatches(link, writeIncompatibleText)) written = WriteEeprom(link, images_.writeImage);
    link.CloseDevice();
    return written;
}

bool DeviceFlows::Button_read_configClick() {
    images_.readImage.fill(0);
    DeviceLink link(transport_, ui_);
    if (!link.FindDevice()) {
        link.CloseDevice();
        return false;
    }
    if (!firmwareMatches(link, readIncompatibleText)) {
        link.CloseDevice();
        return false;
    }
    // A failed page leaves zeros behind; the checks below tell whether the
    // part of the image that matters came through.
    ReadEeprom(link, images_.readImage);
    link.CloseDevice();
    if (!VerifyImage(images_.readImage)) {
        ui_.log("Eeprom checksum error. Please reload configuration.");
        return false;
    }
    if (!DecodeConfiguration(images_.readImage, settings_, ui_)) {
        ui_.log("Eeprom read error. Please reload configuration.");
        return false;
    }
    ui_.log("Eeprom read success.");
    if (link.FindDevice()) ShowDeviceVersions(link);
    link.CloseDevice();
    return true;
}

bool DeviceFlows::Button_upload_firmwareClick() {
    DeviceLink link(transport_, ui_);
    if (!link.FindDevice()) return false;
    bool uploaded = false;
    {
        BusyScope busy(ui_);
        uploaded = UploadFirmware(link, firmware_, *firmwareBuffer_);
    }
    link.CloseDevice();
    return uploaded;
}

}  // namespace zeru
