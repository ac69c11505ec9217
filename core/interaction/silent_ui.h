// SPDX-License-Identifier: GPL-3.0-or-later
// A user interface that tells nobody anything and declines every question: for
// work done quietly on the side, such as decoding a backup or building the
// start-up settings to compare with.
#pragma once

#include "interaction/user_interface.h"

namespace zeru {

class SilentUi : public UserInterface {
public:
    void information(const Message&) override {}
    void message(const Message&) override {}
    void error(const Message&) override {}
    void log(const Message&) override {}
    void setProgressRange(int, int) override {}
    void setProgress(int) override {}
    int progress() const override { return 0; }
    void setBusy(bool) override {}
    void processEvents() override {}
    bool confirm(const Message&) override { return false; }
    SaveAnswer askSaveChanges(const Message&) override { return SaveAnswer::Cancel; }
    std::optional<std::string> chooseSaveFile(const FileDialogOptions&) override { return std::nullopt; }
    std::optional<std::string> chooseOpenFile(const FileDialogOptions&) override { return std::nullopt; }
};

}  // namespace zeru
