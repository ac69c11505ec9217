// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a configuration file: the profile-file reader and the
// "Read from file" flow must take anything without crashing, and what they
// load must survive a save and a second load unchanged.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "cfgfile/config_file.h"
#include "cfgfile/file_flows.h"
#include "cfgfile/file_keys.h"
#include "cfgfile/profile_file.h"
#include "fuzz_check.h"
#include "settings/catalogue.h"
#include "settings/settings_model.h"
#include "support/recording_ui.h"

namespace {

using zeru::SettingsModel;
using zeru::cfgfile::ProfileFile;
using zeru::test::RecordingUi;

const std::string& scratchFile() {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("zeru-fuzz-load-" + std::to_string(getpid()) + ".cfg"))
            .string();
    return path;
}

void checkReader(std::string_view bytes, const ProfileFile& file) {
    // Reading alone never changes a byte of the file.
    ZERU_FUZZ_CHECK(file.bytes() == bytes);
    for (const auto& key : zeru::cfgfile::fileKeys()) {
        const auto value = file.value(key.section, key.key);
        ZERU_FUZZ_CHECK(!value || value->size() <= ProfileFile::kMaxValueLength);
    }
}

bool holdsLineBreak(const SettingsModel& settings) {
    for (const auto& def : settings.catalogue().defs())
        if (def.kind == zeru::SettingKind::Text && settings.text(def.id).find('\r') != std::string::npos)
            return true;
    return false;
}

// What was loaded is saved (without touching the disk) and loaded again, and
// comes back the same, except that a flag key holds "1" for anything but the
// first entry: a flag loaded as -1 or out of range comes back as 1. A value
// with a lone CR loads as it stands, but no line of the file can hold it:
// such a save is refused (the file on disk is left as it was).
void checkSaveAndReload(const SettingsModel& loaded) {
    const auto values = zeru::cfgfile::fileValues(loaded);
    if (!values) {
        // Only a text with a line break: every number a file loads converts.
        ZERU_FUZZ_CHECK(values.failure().kind == zeru::FailureKind::ImageRefused);
        ZERU_FUZZ_CHECK(holdsLineBreak(loaded));
        return;
    }
    const std::string saved = zeru::cfgfile::updatedFileContent("", *values);
    SettingsModel reloaded;
    RecordingUi ui;
    ZERU_FUZZ_CHECK(zeru::cfgfile::applyConfigFile(ProfileFile(saved), reloaded, ui));
    SettingsModel expected = loaded;
    for (const auto& key : zeru::cfgfile::fileKeys())
        if (key.form == zeru::cfgfile::KeyForm::Flag)
            expected.setIndex(key.setting, loaded.index(key.setting) == 0 ? 0 : 1);
    ZERU_FUZZ_CHECK(reloaded == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ProfileFile file(bytes);
    checkReader(bytes, file);

    const SettingsModel before;
    SettingsModel settings;
    RecordingUi ui;
    const bool loaded = zeru::cfgfile::applyConfigFile(file, settings, ui).ok();
    if (!loaded) {
        ZERU_FUZZ_CHECK(settings == before);
        ZERU_FUZZ_CHECK(ui.boxes() ==
                        std::vector<std::string>{std::string(zeru::cfgfile::kIdentificationMessage)});
        return 0;
    }

    // The whole flow, through the dialog and the file on disk, loads the same.
    {
        std::ofstream(scratchFile(), std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(size));
        SettingsModel viaFlow;
        RecordingUi flowUi;
        flowUi.openAnswer = scratchFile();
        zeru::cfgfile::FileFlows flows(viaFlow, flowUi, "/nonexistent");
        const auto read = flows.readFromFile();
        std::filesystem::remove(scratchFile());
        ZERU_FUZZ_CHECK(read.ok());
        ZERU_FUZZ_CHECK(viaFlow == settings);
        ZERU_FUZZ_CHECK(flowUi.texts(RecordingUi::Event::Error).empty());
    }

    checkSaveAndReload(settings);
    return 0;
}
