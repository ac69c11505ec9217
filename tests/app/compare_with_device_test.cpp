// SPDX-License-Identifier: GPL-3.0-or-later
// "Compare with: The device" is a command of its own: the window is busy and
// drops input while it reads, the read is quiet (no log lines, version box or
// rules' boxes of "Read config"), the window's settings stay, and a failure is
// told in the Changes window.
#include <QApplication>
#include <QLabel>
#include <QSettings>

#include "app/commands/session.h"
#include "app/feedback/window_feedback.h"
#include "cfgfile/temp_folder.h"
#include "image/codec.h"
#include "rules/rules.h"
#include "sim/simulator_transport.h"
#include "window_fixture.h"

namespace zeru::app::test {
namespace {

using Event = zeru::test::RecordingUi::Event;

// The simulated device, noting whether the window ran a command while asked.
class WatchedTransport final : public ReportTransport {
public:
    WatchedTransport(sim::DeviceState& device, const MainWindow& form) : inner_(device), form_(form) {}
    std::vector<HidDeviceInfo> enumerate() override { return inner_.enumerate(); }
    Outcome open(const std::string& path) override {
        outsideCommand = outsideCommand || !form_.commandRunning();
        return inner_.open(path);
    }
    void close() override { inner_.close(); }
    int write(const Report& request) override { return inner_.write(request); }
    int read(Report& reply, std::chrono::milliseconds limit) override { return inner_.read(reply, limit); }
    bool outsideCommand = false;

private:
    sim::SimulatorTransport inner_;
    const MainWindow& form_;
};

TEST(CompareWithTheDevice, IsAQuietCommandWhoseFailureTheChangesWindowTells) {
    const struct {
        const char* device;
        bool present;
        bool compared;
        std::vector<std::string> listed;
        std::string summary;
    } cases[] = {
        // KISS on both ports: decoding it would show a port rule's box.
        {"holding another call and KISS on both ports",
         true,
         true,
         {"Callsign", "Serial1_mode", "Serial2_mode"},
         "3 settings differ."},
        {"not there", false, false, {}, "Not compared with the device:\nKestrovane Zeru not found."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.device);
        zeru::test::TempFolder folder;
        for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, QString::fromStdString(folder.path().string()));
        zeru::test::RecordingUi ui;
        std::unique_ptr<MainWindow> form = buildMainWindow(ui);
        sim::DeviceState device;
        SettingsModel held;
        zeru::test::RecordingUi quiet;
        rules::applyStartupSequence(held, quiet);
        held.setText(SettingId::Callsign, "DL2ABC");
        held.setIndex(SettingId::Serial1_mode, 4);
        ASSERT_TRUE(EncodeConfiguration(held, quiet, device.memory, 1));
        auto transport = std::make_unique<WatchedTransport>(device, *form);
        WatchedTransport& watched = *transport;
        if (!c.present) device.present = false;
        auto session = createSessionOver(*form, ui, std::move(transport));
        ChangesWindow& changes = form->feedback().showChanges();
        ui.events.clear();

        EXPECT_EQ(changes.compareWith(ChangesWindow::Reference::Device), c.compared);

        if (c.compared) {
            EXPECT_EQ(changes.listedSettings(), c.listed);
        }
        const std::string summary =
            changes.findChild<QLabel*>(QStringLiteral("Changes_summary"))->text().toStdString();
        EXPECT_TRUE(summary.starts_with(c.summary)) << summary;
        EXPECT_EQ(ui.events, (std::vector<Event>{{Event::Busy, {}}, {Event::Idle, {}}}));
        EXPECT_FALSE(watched.outsideCommand);
        EXPECT_EQ(form->settings().text(SettingId::Callsign), "NOCALL");  // the window's own, untouched
        EXPECT_FALSE(form->commandRunning());
    }
}

}  // namespace
}  // namespace zeru::app::test
