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
    return {configDialogFolder(programFolder_), std::string(kConfigFileFilter), std::string(proposedName)};
}

FileOutcome FileFlows::saveToFile() {
    const auto path = ui_.chooseSaveFile(dialogOptions(kProposedFileName));
    if (!path) return FileOutcome::Cancelled;
    return runCommand(ui_, [&] { saveConfigFile(settings_, *path); }) ? FileOutcome::Done
                                                                      : FileOutcome::Refused;
}

FileOutcome FileFlows::readFromFile() {
    const auto path = ui_.chooseOpenFile(dialogOptions(""));
    if (!path) return FileOutcome::Cancelled;
    bool loaded = false;
    runCommand(ui_, [&] { loaded = loadConfigFile(*path, settings_, ui_); });
    return loaded ? FileOutcome::Done : FileOutcome::Refused;
}

}  // namespace zeru::cfgfile
