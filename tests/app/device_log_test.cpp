// SPDX-License-Identifier: GPL-3.0-or-later
// "Save device log..." and "Save problem report...": the window keeps the last
// device command's exchanges and lines, and only those, and saves them.
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QSettings>

#include "app/commands/session.h"
#include "cfgfile/temp_folder.h"
#include "sim/simulator_transport.h"
#include "trace/trace_file.h"
#include "window_fixture.h"

namespace zeru::app::test {
namespace {

using Event = zeru::test::RecordingUi::Event;

class DeviceLog : public StartedWindow {
protected:
    DeviceLog() {
        for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, QString::fromStdString(folder.path().string()));
        session = createSessionOver(*form, ui, std::make_unique<sim::SimulatorTransport>(device));
    }
    // Opens the menu beside "Read from file" and picks one of its entries.
    void choose(const char* entry) {
        auto* menu = find<QMenu>("Menu_recent_files");
        Q_EMIT menu->aboutToShow();
        auto* action = menu->findChild<QAction*>(QLatin1String(entry));
        ASSERT_NE(action, nullptr) << entry;
        action->trigger();
    }
    void readConfig() { form->commandButton(CommandButton::ReadConfig)->click(); }

    zeru::test::TempFolder folder;
    sim::DeviceState device;
    std::unique_ptr<CommandSession> session;
};

TEST_F(DeviceLog, SavesTheLastDeviceCommandOnly) {
    ui.saveAnswer = folder.file("log.pcapng");
    choose("Action_save_device_log");
    EXPECT_EQ(ui.texts(Event::Information).size(), 1u) << "nothing to save before a device command";
    EXPECT_FALSE(std::filesystem::exists(folder.file("log.pcapng")));

    readConfig();
    readConfig();  // a second command replaces the first one's exchanges and lines
    const std::vector<std::string> lastLines = [&] {
        std::vector<std::string> all = ui.logLines();
        return std::vector<std::string>(all.begin() + static_cast<std::ptrdiff_t>(all.size() / 2), all.end());
    }();
    choose("Action_save_device_log");
    const auto saved = trace::loadTrace(folder.file("log.pcapng"));
    ASSERT_TRUE(saved) << saved.failure().text;
    EXPECT_EQ(saved->commandLine, std::vector<std::string>{"Read config"});
    EXPECT_EQ(saved->logLines, lastLines);
    std::size_t exchanges = 0;
    for (const trace::Step& step : saved->steps) exchanges += trace::isExchange(step);
    EXPECT_EQ(exchanges, 2u * (1 + kPageCount)) << "the firmware version and 224 pages, once";

    ui.saveAnswer = folder.file("log.txt");
    choose("Action_save_device_log");
    EXPECT_NE(zeru::test::readBytes(folder.file("log.txt")).find("in   page read 224/224"),
              std::string::npos);
}

TEST_F(DeviceLog, SavesAProblemReport) {
    readConfig();
    ui.saveAnswer = folder.file("report.zip");
    choose("Action_save_problem_report");
    EXPECT_TRUE(ui.texts(Event::Error).empty());
    const std::string zip = zeru::test::readBytes(folder.file("report.zip"));
    for (const char* name :
         {"README.txt", "version.txt", "devices.txt", "log.txt", "trace.pcapng", "config.cfg"})
        EXPECT_NE(zip.find(name), std::string::npos) << name;
}

}  // namespace
}  // namespace zeru::app::test
