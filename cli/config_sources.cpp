// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/config_sources.h"

#include <algorithm>
#include <cctype>

#include "cfgfile/config_file.h"
#include "cfgfile/file_read.h"
#include "cli/command_support.h"
#include "cli/device_session.h"
#include "cli/exit_status.h"
#include "image/codec.h"

namespace zeru::cli {

std::optional<ConfigImage> readImageFile(const std::string& path, TerminalUi& ui) {
    using Status = cfgfile::InputFile::Status;
    const cfgfile::InputFile file = cfgfile::readInputFile(path, kImageSize);
    if (file.status != Status::Read && file.status != Status::TooLarge) {
        ui.error(Message::fromUtf8("Unable to read " + path + "."));
        return std::nullopt;
    }
    if (file.size != kImageSize) {
        ui.error(Message::fromUtf8(path + " is not a configuration image (" + std::to_string(file.size) +
                                   " bytes, not " + std::to_string(kImageSize) + ")."));
        return std::nullopt;
    }
    ConfigImage image;
    std::copy(file.bytes.begin(), file.bytes.end(), image.begin());
    return image;
}

std::optional<ConfigImage> readVerifiedImage(const std::string& path, TerminalUi& ui) {
    auto image = readImageFile(path, ui);
    if (image && !VerifyImage(*image)) {
        ui.error("Image checksum or end marker error.");
        return std::nullopt;
    }
    return image;
}

int readDeviceSettings(const GlobalOptions& global, SettingsModel& settings, TerminalUi& ui,
                       const std::string& device) {
    Result<DeviceSession> opened = DeviceSession::open(global, device);
    if (!opened) return showFailure(opened.failure(), ui);
    DeviceSession& session = opened.value();
    ConfigImages images;
    DeviceFlows flows(settings, ui, images, session.transport());
    flows.useDeviceSelector(&session.selector());
    return finishDevice(exitStatus(flows.readConfig().outcome), session, ui);
}

SourceKind sourceKind(const std::string& source) {
    if (source == "device") return SourceKind::Device;
    if (source == "defaults") return SourceKind::Defaults;
    std::string lower = source;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.ends_with(".bin") ? SourceKind::Image : SourceKind::File;
}

int loadSource(const std::string& source, const GlobalOptions& global, SettingsModel& settings,
               TerminalUi& ui, const std::string& device) {
    switch (sourceKind(source)) {
        case SourceKind::Defaults:
            return kSuccess;
        case SourceKind::File:
            return exitStatus(cfgfile::loadConfigFile(source, settings, ui));
        case SourceKind::Image: {
            auto image = readVerifiedImage(source, ui);
            return image && DecodeConfiguration(*image, settings, ui) ? kSuccess : kImageRefused;
        }
        case SourceKind::Device:
            return readDeviceSettings(global, settings, ui, device);
    }
    return kImageRefused;
}

}  // namespace zeru::cli
