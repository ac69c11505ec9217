// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/device_flows.h"

#include <string>
#include <utility>

#include "device/device_link.h"
#include "device/eeprom_transfer.h"
#include "device/page_loop.h"
#include "device/version_requests.h"
#include "image/codec.h"

namespace zeru {

namespace {

constexpr std::string_view kFirmwareVersionReadError = "Firmware version read error.";

// Done when the device's firmware version is ours; otherwise tells the user
// (a failed request as a log line, another version as `incompatibleText`'s
// box) and fails with that text.
template <typename IncompatibleText>
Outcome firmwareMatches(DeviceLink& link, IncompatibleText incompatibleText) {
    const std::optional<std::uint32_t> version = GetFirmwareVersion(link);
    if (!version) {
        link.ui().log(Message::fromUtf8(kFirmwareVersionReadError));
        return Failure::of(FailureKind::DeviceFailed, std::string(kFirmwareVersionReadError));
    }
    if (*version != kConfiguratorVersion) {
        std::string text = incompatibleText(*version);
        link.ui().information(Message::fromUtf8(text));
        return Failure::of(FailureKind::DeviceFailed, std::move(text));
    }
    return {};
}

// `earlier`'s text, then `line` below it: a failure told in more than one line.
Failure withLine(Failure earlier, std::string_view line) {
    if (!earlier.text.empty()) earlier.text += '\n';
    earlier.text += line;
    return earlier;
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

Outcome DeviceFlows::writeConfig() {
    if (Outcome encoded = EncodeConfiguration(settings_, ui_, images_.writeImage); !encoded) return encoded;
    DeviceLink link(transport_, ui_, selector_);
    if (Outcome found = link.FindDevice(); !found) return found;
    if (Outcome matches = firmwareMatches(link, writeIncompatibleText); !matches) return matches;
    if (Outcome safe = safety_ ? safety_->beforeWrite(link, images_.writeImage) : Outcome(); !safe)
        return safe;
    return writeAndVerify(link);  // the link is closed on the way out
}

Outcome DeviceFlows::writeAndVerify(DeviceLink& link) {
    if (Outcome sent = WriteEeprom(link, images_.writeImage); !sent) return sent;
    // An acknowledged page is not always a stored one.
    const std::size_t matching = verifyEepromPages(link, images_.writeImage);
    if (matching < kPageCount) {
        std::string line = pageLine("Eeprom verify error: page ", matching + 1, kPageCount);
        ui_.log(Message::fromUtf8(line));
        return Failure{FailureKind::DeviceFailed, std::nullopt, static_cast<int>(matching + 1),
                       std::move(line)};
    }
    ui_.log("Eeprom verify success");
    return {};
}

ReadOutcome DeviceFlows::readConfig(PortRoles roles) {
    images_.readImage.fill(0);
    DeviceLink link(transport_, ui_, selector_);
    if (Outcome found = link.FindDevice(); !found) return {false, found};
    if (Outcome matches = firmwareMatches(link, readIncompatibleText); !matches) return {false, matches};
    // A failed page leaves zeros behind; the checks below tell whether the
    // part of the image that matters came through.
    const Outcome pages = ReadEeprom(link, images_.readImage);
    link.CloseDevice();
    // A failure's text is every line and box the read told, in order.
    if (!VerifyImage(images_.readImage)) {
        static constexpr char kChecksumError[] = "Eeprom checksum error. Please reload configuration.";
        ui_.log(kChecksumError);
        // The device failed: the image is not its own.
        if (!pages) return {false, withLine(pages.failure(), kChecksumError)};
        return {false, Failure::of(FailureKind::ImageRefused, kChecksumError)};
    }
    if (const Outcome decoded = DecodeConfiguration(images_.readImage, settings_, ui_, roles); !decoded) {
        static constexpr char kReadError[] = "Eeprom read error. Please reload configuration.";
        ui_.log(kReadError);
        Failure told = Failure::of(FailureKind::ImageRefused, pages ? std::string() : pages.failure().text);
        return {false, withLine(withLine(std::move(told), decoded.failure().text), kReadError)};
    }
    ui_.log("Eeprom read success.");
    // The versions' box is all that is left to tell: its failure is not the read's.
    if (link.FindDevice()) static_cast<void>(ShowDeviceVersions(link));
    link.CloseDevice();
    // A page past the configuration block may fail without harm to the
    // settings ("Eeprom read success." stands); the outcome still tells that
    // the device misbehaved.
    return {true, pages};
}

Outcome DeviceFlows::uploadFirmware() {
    DeviceLink link(transport_, ui_, selector_);
    if (Outcome found = link.FindDevice(); !found) return found;
    BusyScope busy(ui_);
    if (safety_) safety_->beforeUpload(link);
    return UploadFirmware(link, firmware_, *firmwareBuffer_);
}

}  // namespace zeru
