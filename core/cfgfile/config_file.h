// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the settings to a configuration file and loading them from one,
// without dialogs: used by the "Save to file" / "Read from file" flows and by
// the command-line tool.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cfgfile/file_read.h"
#include "cfgfile/profile_file.h"
#include "interaction/user_interface.h"
#include "settings/result.h"
#include "settings/settings.h"

namespace zeru::cfgfile {

inline constexpr std::string_view kIdentificationMessage =
    "Imported configuration file is not a Kestrovane configuration file. \nOperation aborted.";
inline constexpr std::string_view kVersionMessage =
    "Imported configuration file version is different than your current application version. \n"
    "Please double-check configuration fields after import. \n"
    "Some configuration fields my change between firmware versions.";

// The value text of every key of fileKeys(), in that order: header constants,
// texts as they stand, numbers converted and written in decimal, choice
// indices (-1 for none), flags "0"/"1". Else the refusal of the first setting,
// in that order, that cannot be saved: a number setting whose text is not a
// whole number (SettingsRefused), or a text holding a line break
// (lineBreakRefusal; ImageRefused, as no file can hold it).
Result<std::vector<std::string>> fileValues(const Settings& settings);

// "Beacon 1 message cannot be written on one line": a text no key's line can hold.
std::string lineBreakRefusal(SettingId setting);

// `existing` (the old file's bytes, "" for a new file) with every key written
// in table order; unknown sections, keys, comments and blank lines are kept.
std::string updatedFileContent(std::string_view existing, const std::vector<std::string>& values);

// Saves every setting to `path`. All conversions are done before anything is
// written, and the file is replaced whole (see replaceFileContent), so a save
// that fails leaves the file on disk as it was. An existing configuration file
// (text holding any of its keys) keeps its other keys, comments and blank
// lines; any other file (an image, another program's text, a file over
// kMaxConfigFileSize) is replaced by a configuration file. A setting that
// cannot be saved is the failure returned (see fileValues), and so is a file
// that cannot be written (unableToWrite; also when an existing file cannot be
// read to tell what it is).
Outcome saveConfigFile(const Settings& settings, const std::string& path);

// Loads the settings from a parsed file: checks "Application" (refused: shows
// the identification message, changes nothing, fails with it) and "Version"
// (differs: shows the version message and goes on), sets every setting from
// its key or the key's default (telling each value it did not take as it
// stands with a note, see loadNote), then runs the position encoding rule and the
// two port rules (their messages shown as information boxes). Never throws for
// the file's content.
Outcome applyConfigFile(const ProfileFile& file, Settings& settings, UserInterface& ui);

// The refusal of a file larger than kMaxConfigFileSize, before it is read.
Message tooLargeMessage(const std::string& path, std::uint64_t size);

// Why `file`, read from `path`, cannot be loaded before its content is looked
// at: "PATH does not exist.", "PATH cannot be read: REASON." (a FIFO, device
// or folder too), tooLargeMessage; nullopt when it was read.
std::optional<Message> unreadableFileMessage(const std::string& path, const InputFile& file);

// applyConfigFile on the file at `path`, once it could be read (else the box
// of unreadableFileMessage, and the failure carrying it).
Outcome loadConfigFile(const std::string& path, Settings& settings, UserInterface& ui);

}  // namespace zeru::cfgfile
