// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/backup_folder.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <system_error>
#include <utility>

#include "cfgfile/config_file.h"
#include "cfgfile/file_replace.h"

namespace zeru::backup {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kAppFolder = "kestrovane-zeru";
constexpr std::size_t kStampLength = 19;  // "2024-05-01T18-30-05"

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

// A backup's base name taken apart: "2024-05-01T18-30-05-2_OK1ZRU-9".
struct ParsedName {
    std::string stamp;  // with its "-2" when it has one
    int copy = 1;       // 2 for "-2" ...
    std::string station;
};

std::optional<ParsedName> parseBaseName(std::string_view base) {
    const std::size_t underscore = base.find('_', kStampLength);
    if (underscore == std::string_view::npos || underscore + 1 == base.size()) return std::nullopt;
    const std::string_view stamp = base.substr(0, underscore);
    if (!isStamp(stamp.substr(0, kStampLength))) return std::nullopt;
    ParsedName parsed{std::string(stamp), 1, std::string(base.substr(underscore + 1))};
    if (stamp.size() > kStampLength) {
        const std::string_view copy = stamp.substr(kStampLength);
        if (copy.size() < 2 || copy.size() > 6 || copy[0] != '-' ||
            !std::all_of(copy.begin() + 1, copy.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return std::nullopt;
        parsed.copy = std::atoi(std::string(copy.substr(1)).c_str());
    }
    return parsed;
}

}  // namespace

std::optional<fs::path> defaultBackupFolder(const Environment& environment) {
    // XDG_STATE_HOME counts only when it is an absolute path; a relative one
    // is ignored.
    if (auto state = environment("XDG_STATE_HOME"); state && !state->empty() && (*state)[0] == '/')
        return fs::path(*state) / kAppFolder / "backups";
    if (auto home = environment("HOME"); home && !home->empty())
        return fs::path(*home) / ".local" / "state" / kAppFolder / "backups";
    return std::nullopt;
}

std::optional<fs::path> defaultBackupFolder() {
    return defaultBackupFolder([](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        if (!value) return std::nullopt;
        return std::string(value);
    });
}

std::string backupStamp(const std::tm& localTime) {
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H-%M-%S", &localTime);
    return text;
}

std::string stationName(const Settings& settings) {
    std::string name = settings.text(SettingId::Callsign) + "-" + settings.text(SettingId::Ssid);
    for (char& c : name) {
        const bool plain =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
        if (!plain) c = '_';
    }
    return name;
}

std::tm BackupFolder::localTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

BackupFolder::BackupFolder(fs::path folder, LocalTime now, std::size_t kept)
    : folder_(std::move(folder)), now_(std::move(now)), kept_(kept) {}

std::string BackupFolder::keep(const ConfigImage& memory, const Settings* settings) {
    std::error_code error;
    // The backups hold the device's passwords: the folder is the user's alone.
    if (fs::create_directories(folder_, error)) fs::permissions(folder_, fs::perms::owner_all, error);
    if (error || !fs::is_directory(folder_)) throw cfgfile::FileWriteError(folder_.string());

    const std::string stamp = backupStamp(now_());
    const std::string station = settings ? stationName(*settings) : std::string(kUnknownStation);
    fs::path base;
    for (int copy = 1;; ++copy) {
        std::string name = stamp;
        if (copy > 1) name += "-" + std::to_string(copy);
        name += '_';
        name += station;
        base = folder_ / name;
        if (!fs::exists(fs::path(base).concat(".bin")) && !fs::exists(fs::path(base).concat(".cfg"))) break;
    }
    const fs::path bin = fs::path(base).concat(".bin");
    cfgfile::replaceFileContent(
        bin.string(), std::string_view(reinterpret_cast<const char*>(memory.data()), memory.size()));
    fs::path shown = bin;
    if (settings) {
        shown = fs::path(base).concat(".cfg");
        cfgfile::saveConfigFile(*settings, shown.string());
    }
    removeOldest();
    return shown.string();
}

std::vector<BackupEntry> BackupFolder::list() const {
    // Base name -> whether a .cfg is there, for every backup file.
    std::map<std::string, bool> bases;
    std::error_code error;
    for (fs::directory_iterator it(folder_, error), end; !error && it != end; it.increment(error)) {
        const fs::path name = it->path().filename();
        const std::string extension = name.extension().string();
        if (extension != ".bin" && extension != ".cfg") continue;
        const std::string base = name.stem().string();
        if (!parseBaseName(base)) continue;
        bases[base] = bases[base] || extension == ".cfg";
    }
    struct Sorted {
        BackupEntry entry;
        int copy;
    };
    std::vector<Sorted> sorted;
    for (const auto& [base, hasCfg] : bases) {
        const ParsedName parsed = *parseBaseName(base);
        const fs::path path = (folder_ / base).concat(hasCfg ? ".cfg" : ".bin");
        sorted.push_back({{parsed.stamp, parsed.station, path}, parsed.copy});
    }
    std::sort(sorted.begin(), sorted.end(), [](const Sorted& a, const Sorted& b) {
        const std::string_view ta = std::string_view(a.entry.stamp).substr(0, kStampLength);
        const std::string_view tb = std::string_view(b.entry.stamp).substr(0, kStampLength);
        if (ta != tb) return ta > tb;
        if (a.copy != b.copy) return a.copy > b.copy;
        return a.entry.path > b.entry.path;
    });
    std::vector<BackupEntry> entries;
    entries.reserve(sorted.size());
    for (Sorted& s : sorted) entries.push_back(std::move(s.entry));
    return entries;
}

void BackupFolder::removeOldest() const {
    const std::vector<BackupEntry> entries = list();
    std::error_code ignored;
    for (std::size_t i = kept_; i < entries.size(); ++i) {
        fs::path base = entries[i].path;
        base.replace_extension();
        fs::remove(fs::path(base).concat(".bin"), ignored);
        fs::remove(fs::path(base).concat(".cfg"), ignored);
    }
}

}  // namespace zeru::backup
