// SPDX-License-Identifier: GPL-3.0-or-later
// The safety net of writes and uploads: before anything is sent, the device's
// configuration memory is read (as "Read config" reads it) and kept, and a
// write first lists the settings it is about to change.
#pragma once

#include "backup/backup_store.h"
#include "device/write_safety.h"

namespace zeru::backup {

class SafetyNet final : public WriteSafety {
public:
    // `store` must outlive the safety net.
    explicit SafetyNet(BackupStore& store) : store_(store) {}

    // Reads and keeps the memory, then logs the changes. A failure (nothing
    // to be sent), its text the line logged, when a page cannot be read or
    // the backup cannot be kept.
    Outcome beforeWrite(DeviceLink& link, const ConfigImage& toWrite) override;
    // Reads and keeps the memory; a failure is logged and the upload goes on.
    void beforeUpload(DeviceLink& link) override;

private:
    enum class Backup { Kept, NoValidConfiguration };
    // Reads and keeps the memory, logging the outcome; `nothingWritten` adds
    // that to the failure lines, which are the failure's text.
    // `deviceSettings` receives the memory's settings when it decodes.
    Result<Backup> readAndKeep(DeviceLink& link, bool nothingWritten, Settings& deviceSettings,
                               bool& decoded);

    BackupStore& store_;
};

}  // namespace zeru::backup
