// SPDX-License-Identifier: GPL-3.0-or-later
// A save that fails must leave the file on disk exactly as it was.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <stdexcept>

#include "cfgfile/config_file.h"
#include "cfgfile/file_replace.h"
#include "settings/settings_model.h"
#include "settings/whole_number.h"
#include "temp_folder.h"

namespace zeru::cfgfile {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

const std::string kOldContent =
    "[!WARNING]\r\nApplication=Kestrovane Zeru Configurator\r\n[Radio]\r\nTXdelay=100\r\n; old\n";

TEST(SaveFailure, NumberThatIsNoWholeNumberWritesNothing) {
    struct Row {
        const char* setting;
        const char* text;
    };
    // The first and the last number setting of the save order.
    const Row rows[] = {{"Txdelay", ""},         {"Txdelay", "abc"},         {"Txdelay", "1.5"},
                        {"Txdelay", "12 "},      {"Txdelay", "99999999999"}, {"Weather_txrate", ""},
                        {"Weather_txrate", "0x"}};
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.setting) + " '" + r.text + "'");
        TempFolder folder;
        const std::string old = folder.file("old.cfg"), fresh = folder.file("fresh.cfg");
        test::writeBytes(old, kOldContent);
        SettingsModel model;
        model.setText(settingNamed(r.setting), r.text);
        for (const std::string& path : {old, fresh}) {
            const Outcome saved = saveConfigFile(model, path);
            ASSERT_FALSE(saved);
            EXPECT_EQ(saved.failure().setting, settingNamed(r.setting));  // the field the window shows
            EXPECT_EQ(saved.failure().kind, FailureKind::SettingsRefused);
            EXPECT_EQ(saved.failure().text, "'" + std::string(r.text) + "' is not a valid integer value");
        }
        EXPECT_EQ(test::readBytes(old), kOldContent);
        EXPECT_EQ(folder.entries(), std::vector<std::string>{"old.cfg"});  // no new file, no temporary
    }
}

TEST(SaveFailure, TheFirstNumberInFileKeyOrderIsTheOneRefused) {
    SettingsModel model;
    EXPECT_TRUE(fileValues(model));
    model.setText(SettingId::Weather_txrate, "x");
    model.setText(SettingId::Txdelay, "5a");
    EXPECT_EQ(fileValues(model).failure().setting, SettingId::Txdelay);
    // Leading zeros convert.
    model.setText(SettingId::Txdelay, "0250");
    EXPECT_EQ(fileValues(model).failure().setting, SettingId::Weather_txrate);
}

// A text with a line break would add lines of its own to the file. The
// refusal names the setting as the window's label or column does.
TEST(SaveFailure, TextWithALineBreakWritesNothingAndNamesTheField) {
    const struct {
        const char* setting;
        const char* text;
        const char* message;
    } rows[] = {
        {"Beacon4_message", "hello\r\n[Radio]\r\nCallsign=INJECTED",
         "Beacon 4 message cannot be written on one line"},
        {"Position_status_text", "a\nb", "Status text cannot be written on one line"},
        {"Teletitle", "lone\rCR", "Telemetry project title cannot be written on one line"},
        {"Alias2_name", "\n", "Alias 2 cannot be written on one line"},
    };
    for (const auto& r : rows) {
        TempFolder folder;
        const std::string old = folder.file("old.cfg");
        test::writeBytes(old, kOldContent);
        SettingsModel model;
        model.setText(settingNamed(r.setting), r.text);
        const Outcome saved = saveConfigFile(model, old);
        ASSERT_FALSE(saved) << r.setting;
        EXPECT_EQ(saved.failure().setting, settingNamed(r.setting));  // the field the window shows
        EXPECT_EQ(saved.failure().kind, FailureKind::ImageRefused);   // no file can hold it
        EXPECT_EQ(saved.failure().text, r.message);
        EXPECT_EQ(test::readBytes(old), kOldContent);
        EXPECT_EQ(folder.entries(), std::vector<std::string>{"old.cfg"});
    }
}

void expectUnableToWrite(const std::string& path) {
    const Outcome saved = saveConfigFile(SettingsModel(), path);
    ASSERT_FALSE(saved) << "saved to " << path;
    EXPECT_EQ(saved.failure().text, "Unable to write to " + path);
    EXPECT_EQ(saved.failure().setting, std::nullopt);
}

TEST(SaveFailure, FolderThatDoesNotExist) {
    TempFolder folder;
    expectUnableToWrite(folder.file("no-such-folder/x.cfg"));
    EXPECT_TRUE(folder.entries().empty());
}

TEST(SaveFailure, TargetThatIsAFolder) {
    TempFolder folder;
    fs::create_directory(folder.file("sub.cfg"));
    expectUnableToWrite(folder.file("sub.cfg"));
    EXPECT_TRUE(fs::is_directory(folder.file("sub.cfg")));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"sub.cfg"});
}

TEST(SaveFailure, FolderWithoutWritePermission) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser; see DiskFullDuringTheWrite";
    TempFolder folder;
    const std::string old = folder.file("old.cfg");
    test::writeBytes(old, kOldContent);
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    expectUnableToWrite(old);
    fs::permissions(folder.path(), fs::perms::owner_all);
    EXPECT_EQ(test::readBytes(old), kOldContent);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"old.cfg"});
}

// The file-size limit makes every write past it fail, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ok_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    bool ok() const { return ok_; }

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
    bool ok_ = false;
};

TEST(SaveFailure, DiskFullDuringTheWrite) {
    TempFolder folder;
    const std::string old = folder.file("old.cfg");
    test::writeBytes(old, kOldContent);
    {
        FileSizeLimit limit(1000);  // a saved file holds several kilobytes
        ASSERT_TRUE(limit.ok());
        expectUnableToWrite(old);
    }
    EXPECT_EQ(test::readBytes(old), kOldContent);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"old.cfg"});
}

TEST(SaveSuccess, ReplacesTheFileKeepingItsPermissionsAndLinks) {
    TempFolder folder;
    const std::string real = folder.file("real.cfg"), link = folder.file("link.cfg");
    test::writeBytes(real, kOldContent);
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real.cfg", link);

    EXPECT_TRUE(saveConfigFile(SettingsModel(), link));

    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const std::string saved = test::readBytes(real);
    EXPECT_NE(saved.find("TXdelay=250\r\n"), std::string::npos);
    EXPECT_NE(saved.find("; old\n"), std::string::npos);
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"link.cfg", "real.cfg"}));
}

}  // namespace
}  // namespace zeru::cfgfile
