// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding a kept memory without speaking to the user.
#pragma once

#include "image/config_image.h"
#include "settings/settings.h"

namespace zeru::backup {

// The settings `image` holds, as "Read config" would show them; false when it
// fails its checksum, end marker or configuration version. The rules' messages
// and a version box belong to "Read config", not to a backup: none is shown.
bool decodeQuietly(const ConfigImage& image, Settings& settings);

}  // namespace zeru::backup
