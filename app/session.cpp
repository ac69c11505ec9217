// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/session.h"

#include <QCoreApplication>
#include <QFile>

#include "app/recent_files_store.h"
#include "cfgfile/file_flows.h"
#include "device/device_flows.h"
#include "device/hidapi_transport.h"
#include "image/config_image.h"

namespace zeru::app {
namespace {

// Everything the five commands need for the whole run: the write and read
// images, the one hidapi transport, and the device and file flows over the
// window's settings.
class Session final : public CommandSession {
public:
    Session(TForm1& form, UserInterface& ui)
        : device_(form.settings(), ui, images_, transport_),
          files_(form.settings(), ui,
                 QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString()) {
        form.setCommand(CommandButton::ReadConfig, [this] { Button_read_configClick(); });
        form.setCommand(CommandButton::WriteConfig, [this] { Button_write_configClick(); });
        form.setCommand(CommandButton::UploadFirmware, [this] { Button_upload_firmwareClick(); });
        form.setCommand(CommandButton::SaveToFile, [this] { Button_save_to_fileClick(); });
        form.setCommand(CommandButton::ReadFromFile, [this] { Button_read_from_fileClick(); });

        // The file being worked on: named in the title, kept among the recent files.
        files_.setHistory(&recentFiles_);
        files_.setFileUsedHandler([&form](const std::string& path) {
            form.setCurrentFile(QFile::decodeName(QByteArray::fromStdString(path)));
        });
        form.setOpenFileCommand(
            [this](const QString& path) { files_.readFromFile(QFile::encodeName(path).toStdString()); });
        form.setRecentFiles([this] { return recentFiles_.recentFileNames(); });
    }

private:
    // The window's handlers of its five command buttons.
    void Button_read_configClick() { device_.readConfig(); }
    void Button_write_configClick() { device_.writeConfig(); }
    void Button_upload_firmwareClick() { device_.uploadFirmware(); }
    void Button_save_to_fileClick() { files_.saveToFile(); }
    void Button_read_from_fileClick() { files_.readFromFile(); }

    ConfigImages images_;
    HidapiTransport transport_;
    DeviceFlows device_;
    cfgfile::FileFlows files_;
    RecentFilesStore recentFiles_;
};

}  // namespace

std::unique_ptr<CommandSession> createSession(TForm1& form, UserInterface& ui) {
    return std::make_unique<Session>(form, ui);
}

}  // namespace zeru::app
