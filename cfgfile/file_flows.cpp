// SPDX-License-Identifier: GPL-3.0-or-later
#include "cfgfile/file_flows.h"

#include <cstdlib>
#include <filesystem>

#include "cfgfile/config_file.h"
#include "interaction/command.h"

namespace zeru::cfgfile {

std::string configDialogFolder(const std::string& programFolder) {
    namespace fs = std::filesystem;
    const fs::path config = fs::path(programFolder) / "config";
    std::error_code ec;
    if (!programFolder.empty() && fs::is_directory(config, ec)) return config.string() + "/";
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

FileOutcome FileFlows::saveToFile() {
    const auto path = ui_.chooseSaveFile(dialogOptions(kProposedFileName));
    if (!path) return FileOutcome::Cancelled;
    if (!runCommand(ui_, [&] { saveConfigFile(settings_, *path); })) return FileOutcome::Refused;
    fileUsed("Saved ", *path);
    return FileOutcome::Done;
}

FileOutcome FileFlows::readFromFile() {
    const auto path = ui_.chooseOpenFile(dialogOptions(""));
    if (!path) return FileOutcome::Cancelled;
    return readFromFile(*path);
}

FileOutcome FileFlows::readFromFile(const std::string& path) {
    bool loaded = false;
    runCommand(ui_, [&] { loaded = loadConfigFile(path, settings_, ui_); });
    if (!loaded) return FileOutcome::Refused;
    fileUsed("Loaded ", path);
    return FileOutcome::Done;
}

void FileFlows::fileUsed(std::string_view verb, const std::string& path) {
    ui_.log(std::string(verb) + displayPath(path));
    if (history_) history_->setRecentFiles(withRecentFile(history_->recentFiles(), path));
    if (fileUsed_) fileUsed_(path);
}

}  // namespace zeru::cfgfile
