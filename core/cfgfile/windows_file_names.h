// SPDX-License-Identifier: GPL-3.0-or-later
// Names that Windows gives to devices rather than files. "CON", "NUL", "COM1"
// and their kin name a device in every folder and with any extension
// ("C:\Users\x\nul.cfg" is the null device), and "\\.\" paths reach devices
// directly. Opening one can block or have effects, so the file code refuses
// them by name before it opens anything. Plain text rules: compiled and
// tested on every system.
#pragma once

#include <string_view>

namespace zeru::cfgfile {

// Whether the last component of `path` (a UTF-8 path, "\" or "/" between
// folders) is a reserved device name, or the path is in the device namespace.
bool namesWindowsDevice(std::string_view path);

}  // namespace zeru::cfgfile
