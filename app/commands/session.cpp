// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commands/session.h"

#include <QCoreApplication>
#include <QFile>
#include <QMenu>

#include "app/commands/device_log_actions.h"
#include "app/commands/device_status.h"
#include "app/commands/recent_files_store.h"
#include "app/commands/window_layout_store.h"
#include "app/feedback/window_feedback.h"
#include "backup/backup_flows.h"
#include "backup/backup_folder.h"
#include "backup/safety_net.h"
#include "cfgfile/config_file.h"
#include "cfgfile/file_flows.h"
#include "changes/pending_changes.h"
#include "device/connected_devices.h"
#include "device/device_flows.h"
#include "device/device_selector.h"
#include "device/hidapi_transport.h"
#include "device/quiet_read.h"
#include "device/upload_notice.h"
#include "image/config_image.h"
#include "interaction/command.h"
#include "problems/problems.h"
#include "settings/catalogue.h"
#include "trace/recording_transport.h"

namespace zeru::app {
namespace {

// Where backups go: the user's state folder ("" when the environment names
// no home, and then no backup can be kept).
std::filesystem::path backupFolder() {
    return backup::defaultBackupFolder().value_or(std::filesystem::path());
}

// Everything the commands need for the whole run: the write and read images,
// the one transport, the backups, and the device and file flows over the
// window's settings. Each success that leaves the window's settings equal to the
// device's or a file's makes them the baseline of the pending changes.
class Session final : public CommandSession {
public:
    Session(CommandWindow& form, UserInterface& ui, std::unique_ptr<ReportTransport> transport)
        : form_(form),
          ui_(ui),
          transport_(std::move(transport)),
          recording_(*transport_, recorder_),
          keptLines_(ui),
          deviceLog_(ui, recorder_, keptLines_, *transport_, form.settings()),
          connected_(*transport_),
          backups_(backupFolder()),
          safety_(backups_),
          device_(form.settings(), keptLines_, images_, recording_, findFirmwareResource,
                  backups_.folder().empty() ? nullptr : &safety_),
          files_(form.settings(), ui, programFolder()),
          backupFiles_(ui, backups_.folder(), [this](const std::string& path) { readFromFile(path); }) {
        // Where and how large the user left the window last time.
        form.restoreLayout(layoutStore_.layout());
        form.setCommand(CommandButton::ReadConfig, [this] { readConfig(); });
        form.setCommand(CommandButton::WriteConfig, [this] { writeConfig(); });
        form.setCommand(CommandButton::UploadFirmware, [this] { uploadFirmware(); });
        form.setCommand(CommandButton::SaveToFile, [this] { saveToChosenFile(); });
        form.setCommand(CommandButton::ReadFromFile, [this] { readFromChosenFile(); });
        form.setCommand(CommandButton::Backups, [this] {
            if (mayReplaceSettings()) backupFiles_.openBackup();
        });
        form.setCloseGuard([this] { return mayCloseWindow(); });
        form.feedback().setComparisonSources({[this](Settings& s) { return loadForComparison(s); },
                                              [this](Settings& s) { return readDevice(s); }});

        // The file being worked on: named in the title, kept among the recent files.
        files_.setHistory(&recentFiles_);
        // A file saved or loaded (by the dialog, a recent file, the command
        // line or a drop) is what the window now holds: the new baseline.
        files_.setFileUsedHandler([this, &form](const std::string& path) {
            form.setCurrentFile(QFile::decodeName(QByteArray::fromStdString(path)));
            fields().takeBaseline();
        });
        form.setOpenFileCommand([this](const QString& path) {
            if (mayReplaceSettings()) readFromFile(QFile::encodeName(path).toStdString());
        });
        form.setRecentFiles([this] { return recentFiles_.recentFileNames(); });
        form.setMoreFileEntries([this](QMenu& menu) { deviceLog_.addTo(menu); });

        // The device the commands use, as the command row shows and chooses it.
        device_.useDeviceSelector(&selector_);
        form.deviceStatus()->attach(connected_, selector_, [&form] { return form.commandRunning(); });
    }
    ~Session() override { form_.deviceStatus()->detach(); }

private:
    static std::string programFolder() {
        return QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    }
    FieldFeedback& fields() { return form_.feedback().fields(); }

    // What the five command buttons and the window's closing run.
    void readConfig() {
        if (!mayReplaceSettings()) return;
        startDeviceCommand("Read config");
        if (device_.readConfig()) fields().takeBaseline();
    }
    void writeConfig() {
        startDeviceCommand("Write config");
        if (problems::sendsEmergency(form_.settings()) &&
            !ui_.confirm(Message::fromUtf8(problems::kEmergencyQuestion)))
            return;
        const Outcome written = device_.writeConfig();
        if (written)
            fields().takeBaseline();
        else
            showRefusedSetting(written.failure());
    }
    void uploadFirmware() {
        // Nothing to ask about while no device is there.
        if (!selector_.pick(transport_->enumerate()))
            return ui_.information(Message::fromUtf8(selector_.notFoundLine()));
        startDeviceCommand("Upload firmware");
        // The log tells how the upload went; the window does nothing more after it.
        if (ui_.confirm(Message::fromUtf8(firmwareUploadQuestion())))
            static_cast<void>(device_.uploadFirmware());
    }
    void saveToChosenFile() { saveToFile(); }
    void readFromChosenFile() {
        // A file refused has been told in its box.
        if (mayReplaceSettings()) static_cast<void>(files_.readFromFile());
    }
    bool mayCloseWindow() {
        const bool closes =
            changes::mayClose(fields().hasUnsavedChanges(), ui_, [this] { return saveToFile(); });
        if (closes) layoutStore_.setLayout(form_.saveLayout());
        return closes;
    }
    // Asked before a file, a backup or the device replaces the window's settings.
    bool mayReplaceSettings() {
        return changes::mayReplace(fields().hasUnsavedChanges(), ui_, [this] { return saveToFile(); });
    }

    // The window keeps the last device command's exchanges and lines only.
    void startDeviceCommand(const char* name) {
        recorder_.restart();
        recorder_.trace().application = "zeru-configurator " + std::string(kVersionLabel);
        recorder_.trace().commandLine = {name};
        keptLines_.restart();
    }

    // After the refusal box of "Write config" or "Save to file": the setting it refused.
    void showRefusedSetting(const Failure& failure) {
        if (failure.setting) fields().showSetting(*failure.setting, true);
    }

    // Whether the settings were saved; a refusal shows its setting.
    bool saveToFile() {
        const Result<cfgfile::FileOutcome> saved = files_.saveToFile();
        if (!saved) showRefusedSetting(saved.failure());
        return saved && *saved == cfgfile::FileOutcome::Done;
    }
    // A recent file, a drop, a backup: a file refused has been told in its box.
    void readFromFile(const std::string& path) { static_cast<void>(files_.readFromFile(path)); }

    // The configurations the "Changes" window compares with, read without
    // touching the window's settings.
    std::optional<std::string> loadForComparison(Settings& settings) {
        const auto path = ui_.chooseOpenFile(
            {cfgfile::configDialogFolder(programFolder()), std::string(cfgfile::kConfigFileFilter), ""});
        if (!path) return std::nullopt;
        bool loaded = false;
        runCommand(ui_, [&] { loaded = cfgfile::loadConfigFile(*path, settings, ui_).ok(); });
        return loaded ? path : std::nullopt;
    }
    // A command of its own: busy, input dropped, and quiet (the log, the
    // version box and the rules' boxes belong to "Read config"); its
    // exchanges kept as every device command's are.
    Outcome readDevice(Settings& settings) {
        startDeviceCommand("Compare with device");
        // Stays so if the command ends by a fault of the program (its error box shown).
        Outcome read = Failure::of(FailureKind::DeviceFailed, "The device was not read.");
        form_.runAsCommand([&] { read = readDeviceQuietly(settings, ui_, recording_, &selector_); });
        return read;
    }

    CommandWindow& form_;
    UserInterface& ui_;
    ConfigImages images_;
    std::unique_ptr<ReportTransport> transport_;
    // The last device command's conversation and lines ("Save device log...").
    trace::TraceRecorder recorder_;
    trace::RecordingTransport recording_;
    LineKeepingUi keptLines_;
    DeviceLogActions deviceLog_;
    // The devices the command row shows, and the one the commands use.
    ConnectedDevices connected_;
    DeviceSelector selector_;
    backup::BackupFolder backups_;
    backup::SafetyNet safety_;
    DeviceFlows device_;
    cfgfile::FileFlows files_;
    backup::BackupFlows backupFiles_;
    RecentFilesStore recentFiles_;
    WindowLayoutStore layoutStore_;
};

}  // namespace

std::unique_ptr<CommandSession> createSessionOver(CommandWindow& form, UserInterface& ui,
                                                  std::unique_ptr<ReportTransport> transport) {
    return std::make_unique<Session>(form, ui, std::move(transport));
}

std::unique_ptr<CommandSession> createSession(CommandWindow& form, UserInterface& ui) {
    return createSessionOver(form, ui, std::make_unique<HidapiTransport>());
}

}  // namespace zeru::app
