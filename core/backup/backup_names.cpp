// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/backup_names.h"

#include <algorithm>
#include <cstdlib>

namespace zeru::backup {
namespace {

bool isStamp(std::string_view text) {
    if (text.size() != kStampLength) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool ok = i == 10                                    ? c == 'T'
                        : (i == 4 || i == 7 || i == 13 || i == 16) ? c == '-'
                                                                   : c >= '0' && c <= '9';
        if (!ok) return false;
    }
    return true;
}

}  // namespace

std::optional<BackupName> parseBackupName(std::string_view base) {
    const std::size_t underscore = base.find('_', kStampLength);
    if (underscore == std::string_view::npos || underscore + 1 == base.size()) return std::nullopt;
    const std::string_view stamp = base.substr(0, underscore);
    if (!isStamp(stamp.substr(0, kStampLength))) return std::nullopt;
    BackupName parsed{std::string(stamp), 1, std::string(base.substr(underscore + 1))};
    if (stamp.size() > kStampLength) {
        const std::string_view copy = stamp.substr(kStampLength);
        if (copy.size() < 2 || copy.size() > 6 || copy[0] != '-' ||
            !std::all_of(copy.begin() + 1, copy.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return std::nullopt;
        parsed.copy = std::atoi(std::string(copy.substr(1)).c_str());
    }
    return parsed;
}

std::string backupBaseName(std::string_view stamp, int copy, std::string_view station) {
    std::string name(stamp);
    if (copy > 1) name += "-" + std::to_string(copy);
    name += '_';
    name += station;
    return name;
}

}  // namespace zeru::backup
