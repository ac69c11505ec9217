// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/quiet_read.h"

#include <memory>

#include "device/device_flows.h"
#include "device/device_link.h"

namespace zeru {
namespace {

// Passes the progress and the busy state on and keeps every line and box,
// so that a failure can be told where the comparison is shown.
class ProgressOnlyUi final : public UserInterface {
public:
    explicit ProgressOnlyUi(UserInterface& shown) : shown_(shown) {}

    void information(const Message& text) override { keep(text); }
    void message(const Message& text) override { keep(text); }
    void error(const Message& text) override { keep(text); }
    void log(const Message& line) override {
        if (!line.utf8().starts_with("Page read: ") && line.utf8() != kFoundLine) keep(line);
    }
    void setProgressRange(int low, int high) override { shown_.setProgressRange(low, high); }
    void setProgress(int value) override { shown_.setProgress(value); }
    int progress() const override { return shown_.progress(); }
    void setBusy(bool busy) override { shown_.setBusy(busy); }
    void processEvents() override { shown_.processEvents(); }
    bool confirm(const Message&) override { return false; }
    SaveAnswer askSaveChanges(const Message&) override { return SaveAnswer::Cancel; }
    std::optional<std::string> chooseSaveFile(const FileDialogOptions&) override { return std::nullopt; }
    std::optional<std::string> chooseOpenFile(const FileDialogOptions&) override { return std::nullopt; }

    const std::string& kept() const { return kept_; }

private:
    void keep(std::string_view text) {
        if (!kept_.empty()) kept_ += '\n';
        kept_ += text;
    }

    UserInterface& shown_;
    std::string kept_;
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
    const ReadOutcome read = flows.readConfig(PortRoles::AsHeld);
    if (read.settingsRead) return {};
    Failure failure = read.outcome ? Failure::of(FailureKind::DeviceFailed) : read.outcome.failure();
    failure.text = quiet.kept();
    return failure;
}

}  // namespace zeru
