// SPDX-License-Identifier: GPL-3.0-or-later
// zeru-cli's exit statuses.
#pragma once

#include "settings/result.h"

namespace zeru::cli {

enum ExitStatus : int {
    kSuccess = 0,
    kUsageError = 1,
    kSettingsRefused = 2,  // validation, integer conversion, an unknown --set key
    kImageRefused = 3,     // checksum, end marker, version, identification; a file not read or written
    kNoDevice = 4,
    kDeviceFailed = 5,  // incompatible firmware, page error, time limit
    kDifferent = 6,     // diff: the two configurations differ
};

// The exit status of a failure of `kind`.
constexpr int exitStatus(FailureKind kind) {
    switch (kind) {
        case FailureKind::Usage:
            return kUsageError;
        case FailureKind::SettingsRefused:
            return kSettingsRefused;
        case FailureKind::ImageRefused:
            return kImageRefused;
        case FailureKind::NoDevice:
            return kNoDevice;
        case FailureKind::DeviceFailed:
            return kDeviceFailed;
    }
    return kDeviceFailed;
}

// kSuccess when done, else the status of the failure's kind.
inline int exitStatus(const Outcome& outcome) {
    return outcome ? kSuccess : exitStatus(outcome.failure().kind);
}

}  // namespace zeru::cli
