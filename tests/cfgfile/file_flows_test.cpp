// SPDX-License-Identifier: GPL-3.0-or-later
#include "cfgfile/file_flows.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "cfgfile/config_file.h"
#include "settings/settings_model.h"
#include "support/recording_ui.h"
#include "temp_folder.h"

namespace zeru::cfgfile {
namespace {

using test::RecordingUi;
using test::TempFolder;

// Sets $HOME for one test.
class HomeFolder {
public:
    explicit HomeFolder(const std::string& path) {
        if (const char* old = std::getenv("HOME")) old_ = old;
        ::setenv("HOME", path.c_str(), 1);
    }
    ~HomeFolder() {
        if (old_)
            ::setenv("HOME", old_->c_str(), 1);
        else
            ::unsetenv("HOME");
    }

private:
    std::optional<std::string> old_;
};

TEST(FileFlows, DialogsStartInTheConfigFolderBesideTheProgram) {
    TempFolder program;
    std::filesystem::create_directory(program.path() / "config");
    HomeFolder home("/home/somebody");
    SettingsModel model;
    RecordingUi ui;  // both dialogs cancelled
    FileFlows flows(model, ui, program.path().string());
    EXPECT_EQ(flows.saveToFile().value(), FileOutcome::Cancelled);
    EXPECT_EQ(flows.readFromFile().value(), FileOutcome::Cancelled);

    ASSERT_EQ(ui.dialogs.size(), 2u);
    const std::string config = (program.path() / "config").string() + "/";
    EXPECT_EQ(ui.dialogs[0].startFolder, config);
    EXPECT_EQ(ui.dialogs[0].filter, "Kestrovane Zeru config files (*.cfg)");
    EXPECT_EQ(ui.dialogs[0].proposedName, "kestrovane_blue.cfg");
    EXPECT_EQ(ui.dialogs[1].startFolder, config);
    EXPECT_EQ(ui.dialogs[1].filter, "Kestrovane Zeru config files (*.cfg)");
    EXPECT_EQ(ui.dialogs[1].proposedName, "");
    EXPECT_TRUE(ui.events.empty());
    EXPECT_TRUE(program.entries() == std::vector<std::string>{"config"});
}

TEST(FileFlows, DialogsStartInTheHomeFolderWithoutAConfigFolder) {
    TempFolder program;
    HomeFolder home("/home/somebody");
    EXPECT_EQ(configDialogFolder(program.path().string()), "/home/somebody");
    EXPECT_EQ(configDialogFolder(""), "/home/somebody");
    std::filesystem::create_directory(program.path() / "config");
    EXPECT_EQ(configDialogFolder(program.path().string() + "/"), (program.path() / "config").string() + "/");
}

TEST(FileFlows, SaveThenReadBack) {
    TempFolder folder;
    const std::string path = folder.file("mine");  // no extension added
    SettingsModel model;
    model.setText(SettingId::Callsign, "SP5QWE");
    model.setText(SettingId::Txdelay, "0300");
    model.setIndex(SettingId::Serial2_mode, 0);
    RecordingUi ui;
    ui.saveAnswer = path;
    ui.openAnswer = path;
    EXPECT_TRUE(FileFlows(model, ui, folder.path().string()).saveToFile());
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"mine"});

    SettingsModel loaded;
    const auto read = FileFlows(loaded, ui, folder.path().string()).readFromFile();
    ASSERT_TRUE(read) << read.failure().text;
    EXPECT_EQ(*read, FileOutcome::Done);
    EXPECT_TRUE(ui.boxes().empty());
    EXPECT_EQ(loaded.text(SettingId::Callsign), "SP5QWE");
    EXPECT_EQ(loaded.text(SettingId::Txdelay), "300");
    EXPECT_EQ(loaded.index(SettingId::Serial2_mode), 0);
}

// The failure names the setting the window then shows, and its kind.
TEST(FileFlows, FailuresShowTheErrorBox) {
    TempFolder folder;
    const std::string old = folder.file("old.cfg");
    test::writeBytes(old, "old bytes\n");
    struct Row {
        std::string path;
        std::string txdelay;
        std::string box;
        std::optional<SettingId> refused;
        FailureKind kind;
    };
    const std::string missing = folder.file("missing/x.cfg");
    const Row rows[] = {
        {old, "", "'' is not a valid integer value.", SettingId::Txdelay, FailureKind::SettingsRefused},
        {old, "25O", "'25O' is not a valid integer value.", SettingId::Txdelay, FailureKind::SettingsRefused},
        {missing, "250", "Unable to write to " + missing + ".", std::nullopt, FailureKind::ImageRefused},
    };
    for (const Row& r : rows) {
        SettingsModel model;
        model.setText(SettingId::Txdelay, r.txdelay);
        RecordingUi ui;
        ui.saveAnswer = r.path;
        const auto saved = FileFlows(model, ui, folder.path().string()).saveToFile();
        ASSERT_FALSE(saved) << r.box;
        EXPECT_EQ(saved.failure().setting, r.refused);
        EXPECT_EQ(saved.failure().kind, r.kind);
        EXPECT_EQ(ui.texts(RecordingUi::Event::Error), std::vector<std::string>{r.box});
        EXPECT_EQ(test::readBytes(old), "old bytes\n");
    }
}

TEST(FileFlows, ReadingAFileThatDoesNotExist) {
    TempFolder folder;
    SettingsModel model;
    model.setText(SettingId::Callsign, "KEEP");
    RecordingUi ui;
    ui.openAnswer = folder.file("nothing.cfg");
    const auto read = FileFlows(model, ui, folder.path().string()).readFromFile();
    const std::string said = folder.file("nothing.cfg") + " does not exist.";
    ASSERT_FALSE(read);
    EXPECT_EQ(read.failure().kind, FailureKind::ImageRefused);
    EXPECT_EQ(read.failure().text, said);
    EXPECT_EQ(ui.boxes(), std::vector<std::string>{said});
    EXPECT_EQ(ui.texts(RecordingUi::Event::Log), std::vector<std::string>{said});
    EXPECT_EQ(model.text(SettingId::Callsign), "KEEP");
}

TEST(FileFlows, TheSaveDialogProposesTheStationsOwnName) {
    struct Row {
        const char* callsign;
        const char* ssid;
        const char* proposed;
    };
    const Row rows[] = {
        {"OK1ZRU", "9", "OK1ZRU-9.cfg"}, {"OK1ZRU", "0", "OK1ZRU.cfg"},
        {"OK1ZRU", "", "OK1ZRU.cfg"},    {"NOCALL", "9", "kestrovane_blue.cfg"},
        {"", "", "kestrovane_blue.cfg"}, {"../a/b", "1", "___a_b-1.cfg"},
    };
    for (const Row& r : rows) {
        SettingsModel model;
        model.setText(SettingId::Callsign, r.callsign);
        model.setText(SettingId::Ssid, r.ssid);
        EXPECT_EQ(proposedFileName(model, ""), r.proposed) << r.callsign;
    }
    SettingsModel model;
    EXPECT_EQ(proposedFileName(model, "/home/x/club/tracker.cfg"), "tracker.cfg");
}

class MemoryHistory : public FileHistory {
public:
    std::vector<std::string> recentFiles() const override { return files; }
    void setRecentFiles(const std::vector<std::string>& list) override { files = list; }
    std::vector<std::string> files;
};

TEST(FileFlows, FilesSavedAndLoadedAreLoggedRememberedAndNamed) {
    TempFolder folder;
    std::filesystem::create_directory(folder.path() / "a");
    const std::string saved = folder.file("a/x.cfg"), notConfig = folder.file("a/notes.txt");
    test::writeBytes(notConfig, "[Other]\nKey=1\n");
    SettingsModel model;
    RecordingUi ui;
    MemoryHistory history;
    std::vector<std::string> named;
    FileFlows flows(model, ui, folder.path().string());
    flows.setHistory(&history);
    flows.setFileUsedHandler([&](const std::string& path) { named.push_back(path); });

    ui.saveAnswer = saved;
    EXPECT_TRUE(flows.saveToFile());
    model.setText(SettingId::Txdelay, "x");
    EXPECT_FALSE(flows.saveToFile());  // refused: nothing logged or remembered
    EXPECT_FALSE(flows.readFromFile(notConfig));
    EXPECT_TRUE(flows.readFromFile(saved));
    EXPECT_TRUE(flows.readFromFile());  // the dialog starts beside the file used last (cancelled)

    const std::vector<std::string> lines{"Saved " + saved, "Loaded " + saved};
    EXPECT_EQ(ui.logLines(), lines);
    EXPECT_EQ(named, (std::vector<std::string>{saved, saved}));
    EXPECT_EQ(history.files, std::vector<std::string>{saved});
    EXPECT_EQ(ui.dialogs.back().startFolder, folder.file("a"));
}

TEST(FileFlows, ARecentFileThatIsGoneIsOfferedForRemoval) {
    TempFolder folder;
    const std::string gone = folder.file("gone.cfg"), kept = folder.file("kept.cfg");
    for (const bool remove : {false, true}) {
        SettingsModel model;
        RecordingUi ui;
        ui.confirmAnswer = remove;
        MemoryHistory history;
        history.files = {gone, kept};
        FileFlows flows(model, ui, folder.path().string());
        flows.setHistory(&history);
        EXPECT_FALSE(flows.readFromFile(gone));
        EXPECT_EQ(ui.texts(RecordingUi::Event::Question),
                  std::vector<std::string>{"Remove " + gone + " from the recent files?"});
        const std::vector<std::string> left =
            remove ? std::vector<std::string>{kept} : std::vector<std::string>{gone, kept};
        EXPECT_EQ(history.files, left);
        // A file that is not among them is not offered.
        ui.events.clear();
        EXPECT_FALSE(flows.readFromFile(folder.file("other.cfg")));
        EXPECT_TRUE(ui.texts(RecordingUi::Event::Question).empty());
    }
}

TEST(FileHistory, KeepsTheLatestEightFilesEachOnce) {
    struct Case {
        std::vector<std::string> before;
        std::string used;
        std::vector<std::string> after;
    };
    const Case cases[] = {
        {{}, "a", {"a"}},
        {{"a", "b", "c"}, "c", {"c", "a", "b"}},
        {{"1", "2", "3", "4", "5", "6", "7", "8"}, "9", {"9", "1", "2", "3", "4", "5", "6", "7"}},
    };
    for (const Case& c : cases) EXPECT_EQ(withRecentFile(c.before, c.used), c.after) << c.used;
}

}  // namespace
}  // namespace zeru::cfgfile
