// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/backup_folder.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <map>
#include <system_error>
#include <utility>

#include "backup/backup_names.h"
#include "backup/file_times.h"
#include "backup/quiet_decode.h"
#include "cfgfile/config_file.h"
#include "cfgfile/file_read.h"
#include "cfgfile/file_replace.h"
#include "interaction/utf8_path.h"
#include "interaction/visible_text.h"
#include "settings/settings_model.h"

namespace zeru::backup {
namespace fs = std::filesystem;

namespace {

constexpr int kMostCopies = 99999;  // "-99999", the longest count a name may carry
// A file stamped later than this from now was written while the clock ran
// ahead: it is older than any backup made since. The margin leaves alone the
// backups other processes are making at this moment.
constexpr auto kClockMargin = std::chrono::minutes(1);

fs::path withExtension(fs::path base, std::string_view extension) { return base.concat(extension); }

std::string_view bytesOf(const ConfigImage& memory) {
    return {reinterpret_cast<const char*>(memory.data()), memory.size()};
}

// The configuration file of `settings`, as "Save to file" writes a new one,
// or the refusal of a value that cannot be saved.
Result<std::string> configFileOf(const Settings& settings) {
    const auto values = cfgfile::fileValues(settings);
    if (!values) return values.failure();
    return cfgfile::updatedFileContent("", *values);
}

// One backup found in the folder, with what orders it.
struct Found {
    BackupEntry entry;
    int copy = 1;
    bool hasBin = false, hasCfg = false;
    fs::file_time_type made{};  // of the .bin, which is written first
    bool fromTheFuture = false;
};

// Newest first: by the time the files were made, whatever their names say;
// files made while the clock ran ahead count as older than all the others.
bool newerFirst(const Found& a, const Found& b) {
    if (a.fromTheFuture != b.fromTheFuture) return b.fromTheFuture;
    if (a.made != b.made) return a.made > b.made;
    const auto stampA = std::string_view(a.entry.stamp).substr(0, kStampLength);
    const auto stampB = std::string_view(b.entry.stamp).substr(0, kStampLength);
    if (stampA != stampB) return stampA > stampB;
    if (a.copy != b.copy) return a.copy > b.copy;
    return a.entry.path > b.entry.path;
}

std::vector<Found> findBackups(const fs::path& folder) {
    std::map<std::string, Found> bases;
    std::error_code error;
    const auto latest = fs::file_time_type::clock::now() + kClockMargin;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const fs::path name = it->path().filename();
        const std::string extension = utf8FromPath(name.extension());
        if (extension != ".bin" && extension != ".cfg") continue;
        const std::string base = utf8FromPath(name.stem());
        const auto parsed = parseBackupName(base);
        if (!parsed) continue;
        Found& f = bases[base];
        f.entry.stamp = parsed->stamp;
        f.entry.station = parsed->station;
        f.copy = parsed->copy;
        std::error_code ignored;  // a file removed meanwhile sorts as old
        const auto made = lastWriteTime(it->path(), ignored);
        if (extension == ".bin") {
            f.hasBin = true;
            f.made = made;
        } else {
            f.hasCfg = true;
            if (!f.hasBin) f.made = made;
        }
    }
    std::vector<Found> found;
    found.reserve(bases.size());
    for (auto& [base, f] : bases) {
        f.entry.path = withExtension(folder / pathFromUtf8(base), f.hasCfg ? ".cfg" : ".bin");
        f.fromTheFuture = f.made > latest;
        found.push_back(std::move(f));
    }
    std::sort(found.begin(), found.end(), newerFirst);
    return found;
}

// A backup killed between its .bin and its .cfg gets its .cfg, when its
// memory decodes; one that does not stays as the raw memory it is. A .cfg that
// another process writes at the same moment holds the same settings.
void completeHalfPairs(const std::vector<Found>& backups) {
    for (const Found& f : backups) {
        if (!f.hasBin || f.hasCfg || f.entry.station == kUnknownStation) continue;
        const cfgfile::InputFile file = cfgfile::readInputFile(utf8FromPath(f.entry.path), kImageSize);
        if (file.status != cfgfile::InputFile::Status::Read || file.bytes.size() != kImageSize) continue;
        ConfigImage memory{};
        std::copy(file.bytes.begin(), file.bytes.end(), memory.begin());
        SettingsModel settings;
        if (!decodeQuietly(memory, settings)) continue;
        // A failure leaves a .bin, which is listed and decodes with zeru-cli decode.
        if (const auto config = configFileOf(settings))
            static_cast<void>(cfgfile::createPrivateFile(
                utf8FromPath(withExtension(fs::path(f.entry.path).replace_extension(), ".cfg")), *config));
    }
}

}  // namespace

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

BackupFolder::BackupFolder(fs::path folder, LocalTime now, std::size_t kept)
    : folder_(std::move(folder)), now_(std::move(now)), kept_(kept) {}

fs::path backupsOf(const fs::path& folder, DeviceOrigin origin) {
    return origin == DeviceOrigin::Real ? folder : folder / kSimulatedFolder;
}

Result<bool> makePrivateFolders(const fs::path& folder) {
    std::vector<fs::path> missing;
    std::error_code error;
    for (fs::path f = folder; !f.empty() && !fs::is_directory(f, error); f = f.parent_path()) {
        missing.push_back(f);
        if (!f.has_relative_path() || f.parent_path() == f) break;
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it)
        if (!makePrivateFolder(*it)) return cfgfile::unableToWrite(utf8FromPath(folder));
    return !missing.empty();
}

Result<bool> BackupFolder::makeFolder() const {
    const std::string path = utf8FromPath(folder_);
    if (const auto link = cfgfile::plantedLink(path)) return cfgfile::plantedLinkRefusal(path, *link);
    std::error_code error;
    if (fs::is_directory(folder_, error)) return false;
    // The backups hold the device's passwords: the folders made here are the user's alone.
    Result<bool> made = makePrivateFolders(folder_);
    if (!made) return made;
    if (!fs::is_directory(folder_, error)) return cfgfile::unableToWrite(path);
    return made;
}

std::optional<std::string> BackupFolder::folderNote() const {
    if (!openToOthers(folder_)) return std::nullopt;
    return "Backup folder " + visibleText(utf8FromPath(folder_)) + " can be read by others.";
}

Result<std::string> BackupFolder::keep(const ConfigImage& memory, const Settings* settings) {
    const Result<bool> made = makeFolder();
    if (!made) return made.failure();
    if (!*made) completeHalfPairs(findBackups(folder_));
    // Everything that may refuse is done before a name is taken.
    std::optional<std::string> cfg;
    if (settings) {
        Result<std::string> config = configFileOf(*settings);
        if (!config) return config.failure();
        cfg = std::move(config).value();
    }
    const std::string stamp = backupStamp(now_());
    const std::string station = settings ? stationName(*settings) : std::string(kUnknownStation);

    // A name is taken by linking the complete .bin under it, which fails when
    // another process took it first; its .cfg then goes with it.
    for (int copy = 1; copy <= kMostCopies; ++copy) {
        const fs::path base = folder_ / backupBaseName(stamp, copy, station);
        const fs::path bin = withExtension(base, ".bin");
        const fs::path config = withExtension(base, ".cfg");
        std::error_code error;
        if (fs::exists(config, error) || error) continue;
        const Result<bool> binMade = cfgfile::createPrivateFile(utf8FromPath(bin), bytesOf(memory));
        if (!binMade) return binMade.failure();
        if (!*binMade) continue;
        // Stamped with the fine clock: file systems stamp with a coarse one,
        // under which backups made in one tick would tie in the order.
        setLastWriteTime(bin, fs::file_time_type::clock::now(), error);
        if (cfg) {
            // false: completed by another process
            if (const Result<bool> cfgMade = cfgfile::createPrivateFile(utf8FromPath(config), *cfg);
                !cfgMade) {
                fs::remove(bin, error);
                return cfgMade.failure();
            }
        }
        removeOldest(base.filename());
        return utf8FromPath(cfg ? config : bin);
    }
    return cfgfile::unableToWrite(utf8FromPath(folder_));
}

std::vector<BackupEntry> BackupFolder::list() const {
    std::vector<BackupEntry> entries;
    for (Found& f : findBackups(folder_)) entries.push_back(std::move(f.entry));
    return entries;
}

void BackupFolder::removeOldest(const fs::path& justMade) const {
    const std::vector<Found> backups = findBackups(folder_);
    std::size_t kept = 1;  // the one just made, wherever it sorts
    std::error_code ignored;
    for (const Found& f : backups) {
        fs::path base = f.entry.path;
        base.replace_extension();
        if (base.filename() == justMade) continue;
        if (kept < kept_) {
            ++kept;
            continue;
        }
        fs::remove(withExtension(base, ".bin"), ignored);
        fs::remove(withExtension(base, ".cfg"), ignored);
    }
}

}  // namespace zeru::backup
