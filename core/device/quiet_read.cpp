// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/quiet_read.h"

#include <memory>
#include <utility>

#include "device/device_flows.h"

namespace zeru {
namespace {

// Passes the progress and the busy state on; the lines and boxes are the
// read's own to tell, and its failure carries them.
class ProgressOnlyUi final : public UserInterface {
public:
    explicit ProgressOnlyUi(UserInterface& shown) : shown_(shown) {}

    void information(const Message&) override {}
    void message(const Message&) override {}
    void error(const Message&) override {}
    void log(const Message&) override {}
    void setProgressRange(int low, int high) override { shown_.setProgressRange(low, high); }
    void setProgress(int value) override { shown_.setProgress(value); }
    int progress() const override { return shown_.progress(); }
    void setBusy(bool busy) override { shown_.setBusy(busy); }
    void processEvents() override { shown_.processEvents(); }
    bool confirm(const Message&) override { return false; }
    SaveAnswer askSaveChanges(const Message&) override { return SaveAnswer::Cancel; }
    std::optional<std::string> chooseSaveFile(const FileDialogOptions&) override { return std::nullopt; }
    std::optional<std::string> chooseOpenFile(const FileDialogOptions&) override { return std::nullopt; }

private:
    UserInterface& shown_;
};

}  // namespace

Outcome readDeviceQuietly(Settings& settings, UserInterface& ui, ReportTransport& transport,
                          const DeviceSelector* selector) {
    ProgressOnlyUi quiet(ui);
    auto images = std::make_unique<ConfigImages>();  // 14 KiB: not on the stack
    DeviceFlows flows(settings, quiet, *images, transport);
    flows.useDeviceSelector(selector);
    struct Busy {
        UserInterface& ui;
        explicit Busy(UserInterface& shown) : ui(shown) { ui.setBusy(true); }
        ~Busy() { ui.setBusy(false); }  // however the read ends
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;
    } busy(ui);
    ReadOutcome read = flows.readConfig(PortRoles::AsHeld);
    if (read.settingsRead) return {};
    return std::move(read.outcome);
}

}  // namespace zeru
