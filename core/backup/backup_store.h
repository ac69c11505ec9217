// SPDX-License-Identifier: GPL-3.0-or-later
// Where the configuration memory read from a device before a write or an
// upload is kept.
#pragma once

#include <optional>
#include <string>

#include "image/config_image.h"
#include "settings/result.h"
#include "settings/settings.h"

namespace zeru::backup {

class BackupStore {
public:
    virtual ~BackupStore() = default;

    // Keeps `memory`, the 7168 bytes read from the device. `settings` are what
    // it decodes to, or null when it does not decode. Returns the path to tell
    // the user, or the failure (with a message for the user) when the backup
    // cannot be kept.
    virtual Result<std::string> keep(const ConfigImage& memory, const Settings* settings) = 0;

    // A line to log before keeping, when the place backups go to is not
    // private; nothing by default.
    virtual std::optional<std::string> folderNote() const { return std::nullopt; }
};

}  // namespace zeru::backup
