// SPDX-License-Identifier: GPL-3.0-or-later
// Where a command's configuration comes from: a configuration file, an image
// file, the device or the start-up settings, each read as the window reads it.
#pragma once

#include <optional>
#include <string>

#include "cli/global_options.h"
#include "cli/terminal_ui.h"
#include "image/config_image.h"
#include "settings/result.h"
#include "settings/settings_model.h"

namespace zeru::cli {

// An image file: exactly 7168 bytes by its size, before it is read. Else the
// failure (ImageRefused), its text the line that tells it.
Result<ConfigImage> readImageFile(const std::string& path);

// An image file whose checksum and end marker are right.
Result<ConfigImage> readVerifiedImage(const std::string& path);

// "Read config" from the device (or the simulator of --simulate) into
// `settings`, the port roles as the device holds them (not settled: what is
// compared is what the device holds); the exit status. A simulator's memory goes back to its file.
int readDeviceSettings(const GlobalOptions& global, SettingsModel& settings, TerminalUi& ui,
                       const std::string& device = {});

enum class SourceKind {
    File,      // a configuration file, loaded as "Read from file" loads it
    Image,     // a .bin image, checked and decoded as "Read config" decodes it, roles not settled
    Device,    // "device": read as "Read config" reads it, roles not settled
    Defaults,  // "defaults": the start-up settings
};

// "device" and "defaults" name themselves; a name ending in ".bin" (any
// letter case) is an image; anything else a configuration file ("./device"
// is the file of that name).
SourceKind sourceKind(const std::string& source);

// The configuration `source` names, read over `settings` (the start-up
// settings, as in the window); the exit status (kSuccess, or why it could not
// be had: 3, 4 or 5).
// `device` is the --device choice for a "device" source ("" the first found).
int loadSource(const std::string& source, const GlobalOptions& global, SettingsModel& settings,
               TerminalUi& ui, const std::string& device = {});

}  // namespace zeru::cli
