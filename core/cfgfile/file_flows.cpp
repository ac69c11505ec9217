// SPDX-License-Identifier: GPL-3.0-or-later
#include "cfgfile/file_flows.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>

#include "cfgfile/config_file.h"
#include "cfgfile/file_read.h"
#include "interaction/command.h"
#include "interaction/utf8_path.h"
#include "interaction/visible_text.h"
#include "settings/catalogue.h"

namespace zeru::cfgfile {

std::string configDialogFolder(const std::string& programFolder) {
    namespace fs = std::filesystem;
    const fs::path config = pathFromUtf8(programFolder) / "config";
    std::error_code ec;
    if (!programFolder.empty() && fs::is_directory(config, ec)) return utf8FromPath(config) + "/";
    const char* home = std::getenv("HOME");
    return home ? std::string(home) : std::string();
}

FileFlows::FileFlows(Settings& settings, UserInterface& ui, std::string programFolder)
    : settings_(settings), ui_(ui), programFolder_(std::move(programFolder)) {}

FileDialogOptions FileFlows::dialogOptions(std::string_view proposedName) const {
    std::string folder = history_ ? lastUsedFolder(*history_) : std::string();
    if (folder.empty()) folder = configDialogFolder(programFolder_);
    return {folder, std::string(kConfigFileFilter), std::string(proposedName)};
}

std::string proposedFileName(const Settings& settings, const std::string& currentFile) {
    if (!currentFile.empty()) return utf8FromPath(pathFromUtf8(currentFile).filename());
    std::string name = settings.text(SettingId::Callsign);
    // The start-up callsign (NOCALL) names no station.
    if (name.empty() || name == settingsCatalogue().def(SettingId::Callsign).defaultText)
        return std::string(kProposedFileName);
    if (const std::string ssid = settings.text(SettingId::Ssid); !ssid.empty() && ssid != "0")
        name += "-" + ssid;
    // Whatever the fields hold, the name stays one file name in the dialog's folder.
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-') c = '_';
    return name + ".cfg";
}

Result<FileOutcome> FileFlows::saveToFile() {
    const auto path = ui_.chooseSaveFile(dialogOptions(proposedFileName(settings_, currentFile_)));
    if (!path) return FileOutcome::Cancelled;
    if (const Outcome saved = saveConfigFile(settings_, *path); !saved) {
        ui_.error(Message::fromUtf8(errorBoxText(saved.failure().text)));
        return saved.failure();
    }
    fileUsed("Saved ", *path);
    return FileOutcome::Done;
}

Result<FileOutcome> FileFlows::readFromFile() {
    const auto path = ui_.chooseOpenFile(dialogOptions(""));
    if (!path) return FileOutcome::Cancelled;
    return readFromFile(*path);
}

Result<FileOutcome> FileFlows::readFromFile(const std::string& path) {
    const InputFile file = readInputFile(path, kMaxConfigFileSize);
    if (const auto message = unreadableFileMessage(path, file)) {
        ui_.log(*message);
        ui_.information(*message);
        offerRemovalFromHistory(path);
        return Failure::of(FailureKind::ImageRefused, message->utf8());
    }
    if (const Outcome loaded = applyConfigFile(ProfileFile(file.bytes), settings_, ui_); !loaded)
        return loaded.failure();
    fileUsed("Loaded ", path);
    return FileOutcome::Done;
}

void FileFlows::offerRemovalFromHistory(const std::string& path) {
    if (!history_) return;
    std::vector<std::string> files = history_->recentFiles();
    const auto entry = std::find(files.begin(), files.end(), path);
    if (entry == files.end() ||
        !ui_.confirm(Message::fromUtf8("Remove " + visibleText(path) + " from the recent files?")))
        return;
    files.erase(entry);
    history_->setRecentFiles(files);
}

void FileFlows::fileUsed(std::string_view verb, const std::string& path) {
    ui_.log(Message::fromUtf8(std::string(verb) + visibleText(path)));
    if (history_) history_->setRecentFiles(withRecentFile(history_->recentFiles(), path));
    currentFile_ = path;
    if (fileUsed_) fileUsed_(path);
}

}  // namespace zeru::cfgfile
