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
#include "interaction/visible_text.h"

namespace zeru::cli {

Result<ConfigImage> readImageFile(const std::string& path) {
    using Status = cfgfile::InputFile::Status;
    const cfgfile::InputFile file = cfgfile::readInputFile(path, kImageSize);
    if (file.status != Status::Read && file.status != Status::TooLarge)
        return Failure::of(FailureKind::ImageRefused, "Unable to read " + visibleText(path) + ".");
    if (file.size != kImageSize)
        return Failure::of(FailureKind::ImageRefused, visibleText(path) + " is not a configuration image (" +
                                                          std::to_string(file.size) + " bytes, not " +
                                                          std::to_string(kImageSize) + ").");
    ConfigImage image;
    std::copy(file.bytes.begin(), file.bytes.end(), image.begin());
    return image;
}

Result<ConfigImage> readVerifiedImage(const std::string& path) {
    Result<ConfigImage> image = readImageFile(path);
    if (image && !VerifyImage(*image))
        return Failure::of(FailureKind::ImageRefused, "Image checksum or end marker error.");
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
    return finishDevice(exitStatus(flows.readConfig(PortRoles::AsHeld).outcome), session, ui);
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
            const Result<ConfigImage> image = readVerifiedImage(source);
            if (!image) return showFailure(image.failure(), ui);
            return exitStatus(DecodeConfiguration(*image, settings, ui, PortRoles::AsHeld));
        }
        case SourceKind::Device:
            return readDeviceSettings(global, settings, ui, device);
    }
    return kImageRefused;
}

}  // namespace zeru::cli
