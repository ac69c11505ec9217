// SPDX-License-Identifier: GPL-3.0-or-later
// What the "Write config", "Read config" and "Upload firmware" buttons do.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "device/device_selector.h"
#include "device/firmware_resource.h"
#include "device/firmware_upload.h"
#include "device/report_transport.h"
#include "device/write_safety.h"
#include "image/config_image.h"
#include "interaction/user_interface.h"
#include "settings/settings.h"

namespace zeru {

// How the last flow ended, for callers that must tell failures apart (the
// command-line tool's exit status).
enum class DeviceOutcome {
    Success,
    SettingsRefused,  // encoding refused a setting (or a number did not convert)
    ImageRefused,     // the image read back failed its checksum or version test
    NoDevice,
    DeviceFailed,  // incompatible firmware, a failed request or page, a refused upload
};

class DeviceFlows {
public:
    // `safety`, when given, runs before every write and upload (and must
    // outlive the flows).
    DeviceFlows(Settings& settings, UserInterface& ui, ConfigImages& images, ReportTransport& transport,
                FirmwareSource firmware = findFirmwareResource, WriteSafety* safety = nullptr);

    // Encodes the settings into the write image and writes it to a device
    // whose firmware matches ours, then reads every page back and compares it
    // with what was sent. True when "Eeprom verify success" was logged.
    bool writeConfig();
    // Reads the device's image, checks and decodes it into the settings, then
    // shows the device's versions. The settings change only when the image
    // passes its checks. True when "Eeprom read success." was logged.
    bool readConfig();
    // Sends the built-in firmware image with the command buttons disabled
    // (the safety's backup first).
    // True when "Firmware upgrade success" was logged.
    bool uploadFirmware();

    // The image of the last upload, zero-padded (all zeros before the first).
    std::span<const std::uint8_t, kFirmwareBufferSize> firmwareBuffer() const { return *firmwareBuffer_; }

    DeviceOutcome lastOutcome() const { return outcome_; }

    // Which device the flows use when several are connected; nullptr (the
    // start) for the first one found. The selector must outlive the flows.
    void useDeviceSelector(const DeviceSelector* selector) { selector_ = selector; }

private:
    bool finish(DeviceOutcome outcome);

    DeviceOutcome outcome_ = DeviceOutcome::Success;
    bool writeAndVerify(DeviceLink& link);

    Settings& settings_;
    UserInterface& ui_;
    ConfigImages& images_;
    ReportTransport& transport_;
    const DeviceSelector* selector_ = nullptr;
    FirmwareSource firmware_;
    WriteSafety* safety_;
    std::unique_ptr<std::array<std::uint8_t, kFirmwareBufferSize>> firmwareBuffer_;
};

}  // namespace zeru
