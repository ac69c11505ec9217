// SPDX-License-Identifier: GPL-3.0-or-later
// The UserInterface of the browser page: every effect is handed to the
// page's object `Module.zeruUi` (see README.md). Boxes return at once (the
// page shows them one after the other); questions wait for the answer.
#pragma once

#include "interaction/user_interface.h"

namespace zeru::web {

class JsUserInterface final : public UserInterface {
public:
    void information(const Message& text) override;
    void message(const Message& text) override;
    void error(const Message& text) override;
    void log(const Message& line) override;
    void note(const Message& line) override;
    void setProgressRange(int minimum, int maximum) override;
    void setProgress(int position) override;
    int progress() const override { return progress_; }
    void setBusy(bool busy) override;
    // Every exchange with the device already waits for the browser, which
    // paints meanwhile.
    void processEvents() override {}
    bool confirm(const Message& question) override;
    SaveAnswer askSaveChanges(const Message& question) override;
    // The page has no file paths: saving and loading hand bytes over instead.
    std::optional<std::string> chooseSaveFile(const FileDialogOptions&) override { return std::nullopt; }
    std::optional<std::string> chooseOpenFile(const FileDialogOptions&) override { return std::nullopt; }

private:
    int progress_ = 0;
};

}  // namespace zeru::web
