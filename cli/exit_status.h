// SPDX-License-Identifier: GPL-3.0-or-later
// zeru-cli's exit statuses.
#pragma once

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

}  // namespace zeru::cli
