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
#include "image/codec.h"
#include "image/config_image.h"
#include "interaction/user_interface.h"
#include "settings/result.h"
#include "settings/settings.h"

namespace zeru {

// How "Read config" ended: whether the settings now hold the device's
// ("Eeprom read success." logged), and the outcome, which may fail even then:
// a page past the configuration block that did not come through.
struct ReadOutcome {
    bool settingsRead = false;
    Outcome outcome;

    explicit operator bool() const { return settingsRead; }
};

class DeviceFlows {
public:
    // `safety`, when given, runs before every write and upload (and must
    // outlive the flows).
    DeviceFlows(Settings& settings, UserInterface& ui, ConfigImages& images, ReportTransport& transport,
                FirmwareSource firmware = findFirmwareResource, WriteSafety* safety = nullptr);

    // Encodes the settings into the write image and writes it to a device
    // whose firmware matches ours, then reads every page back and compares it
    // with what was sent. Done when "Eeprom verify success" was logged; a
    // refused setting fails with its id, a failed page with its number.
    Outcome writeConfig();
    // Reads the device's image, checks and decodes it into the settings, then
    // shows the device's versions. The settings change only when the image
    // passes its checks. A comparison reads the port roles AsHeld.
    ReadOutcome readConfig(PortRoles roles = PortRoles::Settle);
    // Sends the built-in firmware image with the command buttons disabled
    // (the safety's backup first).
    // Done when "Firmware upgrade success" was logged.
    Outcome uploadFirmware();

    // The image of the last upload, zero-padded (all zeros before the first).
    std::span<const std::uint8_t, kFirmwareBufferSize> firmwareBuffer() const { return *firmwareBuffer_; }

    // Which device the flows use when several are connected; nullptr (the
    // start) for the first one found. The selector must outlive the flows.
    void useDeviceSelector(const DeviceSelector* selector) { selector_ = selector; }

private:
    Outcome writeAndVerify(DeviceLink& link);

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
