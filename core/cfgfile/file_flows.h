// SPDX-License-Identifier: GPL-3.0-or-later
// The "Save to file" and "Read from file" commands of the main window.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "cfgfile/file_history.h"
#include "interaction/user_interface.h"
#include "settings/result.h"
#include "settings/settings.h"

namespace zeru::cfgfile {

inline constexpr std::string_view kConfigFileFilter = "Kestrovane Zeru config files (*.cfg)";
inline constexpr std::string_view kProposedFileName = "kestrovane_blue.cfg";

// Where both dialogs start: "<programFolder>/config/" when that folder exists,
// else the user's home folder ($HOME; "" when unset, the dialog's own choice).
// The program may be installed where no "config" folder can exist.
std::string configDialogFolder(const std::string& programFolder);

// How a "Save to file" or "Read from file" ended when it did not fail.
enum class FileOutcome {
    Done,
    Cancelled,  // the user cancelled the file dialog
};

// The name the save dialog proposes: the file last saved or loaded, else the
// station's own name ("OK1ZRU-9.cfg", "OK1ZRU.cfg" for SSID 0), else
// kProposedFileName when the callsign is empty or the start-up one.
std::string proposedFileName(const Settings& settings, const std::string& currentFile);

class FileFlows {
public:
    // `programFolder`: the folder that holds the program file.
    FileFlows(Settings& settings, UserInterface& ui, std::string programFolder);

    // Asks for a file (proposed name: proposedFileName, no default extension) and saves every setting to it.
    // Done or Cancelled; a failure (a setting refused, with its id, or a file
    // not written) is shown in the error box ("'%s' is not a valid integer
    // value." or "Unable to write to %s.") and leaves the file on disk as it
    // was; success logs "Saved PATH".
    Result<FileOutcome> saveToFile();
    // Asks for a file and loads the settings from it (readFromFile(path)):
    // Done or Cancelled, else the failure.
    Result<FileOutcome> readFromFile();
    // Loads the settings from `path` (a recent file, the command line, a
    // drop); success logs "Loaded PATH" (Done). Else the failure, already
    // told: a file that does not exist or cannot be read is told in a box and
    // the log, and offered for removal from the recent files when it is one;
    // a file applyConfigFile refuses is told as it tells it.
    Result<FileOutcome> readFromFile(const std::string& path);

    // Keeps the files saved and loaded; the dialogs then start in the folder
    // of the latest (else where configDialogFolder says). Optional.
    void setHistory(FileHistory* history) { history_ = history; }
    // Told the path of every file saved or loaded.
    void setFileUsedHandler(std::function<void(const std::string&)> handler) {
        fileUsed_ = std::move(handler);
    }

private:
    FileDialogOptions dialogOptions(std::string_view proposedName) const;
    void fileUsed(std::string_view verb, const std::string& path);
    void offerRemovalFromHistory(const std::string& path);

    Settings& settings_;
    UserInterface& ui_;
    std::string programFolder_;
    FileHistory* history_ = nullptr;
    std::string currentFile_;  // the file last saved or loaded
    std::function<void(const std::string&)> fileUsed_;
};

}  // namespace zeru::cfgfile
