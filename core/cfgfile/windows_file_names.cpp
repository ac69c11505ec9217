// SPDX-License-Identifier: GPL-3.0-or-later
#include "cfgfile/windows_file_names.h"

#include <algorithm>
#include <array>
#include <string>

namespace zeru::cfgfile {
namespace {

std::string upper(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return result;
}

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// "\\.\COM1", "\\?\GLOBALROOT\...": the device namespace. "\\?\C:\..." and
// "\\?\UNC\..." are plain long paths.
bool inDeviceNamespace(std::string_view path) {
    if (path.size() < 4 || !isSeparator(path[0]) || !isSeparator(path[1]) || !isSeparator(path[3]))
        return false;
    if (path[2] == '.') return true;
    if (path[2] != '?') return false;
    const std::string rest = upper(path.substr(4));
    const bool drive = rest.size() >= 2 && rest[0] >= 'A' && rest[0] <= 'Z' && rest[1] == ':';
    return !drive && !rest.starts_with("UNC\\") && !rest.starts_with("UNC/");
}

bool isReservedBaseName(std::string_view component) {
    // The name counts up to its first dot, without the spaces before it.
    std::string_view base = component.substr(0, component.find('.'));
    while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
    // A stream or drive suffix ("NUL:", "CON:x") names the device as well.
    base = base.substr(0, base.find(':'));
    const std::string name = upper(base);
    static constexpr std::array<std::string_view, 6> kPlain{"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    if (std::find(kPlain.begin(), kPlain.end(), name) != kPlain.end()) return true;
    if (name.size() == 4 && (name.starts_with("COM") || name.starts_with("LPT")))
        return name[3] >= '0' && name[3] <= '9';
    // COM¹, COM², COM³ (and LPT): the superscript digits count as well.
    if (name.size() == 5 && (name.starts_with("COM") || name.starts_with("LPT")))
        return name[3] == '\xC2' && (name[4] == '\xB9' || name[4] == '\xB2' || name[4] == '\xB3');
    return false;
}

}  // namespace

bool namesWindowsDevice(std::string_view path) {
    if (inDeviceNamespace(path)) return true;
    const auto slash = path.find_last_of("\\/");
    std::string_view last = slash == std::string_view::npos ? path : path.substr(slash + 1);
    // "C:NUL" names the device too.
    if (last.size() >= 2 && last[1] == ':' && slash == std::string_view::npos) last.remove_prefix(2);
    return !last.empty() && isReservedBaseName(last);
}

}  // namespace zeru::cfgfile
