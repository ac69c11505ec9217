// SPDX-License-Identifier: GPL-3.0-or-later
// A UserInterface that shows nothing, for benchmarks.
#pragma once

#include "interaction/user_interface.h"

namespace zeru::bench {

class NullUi : public UserInterface {
public:
    void information(std::string_view) override {}
    void message(std::string_view) override {}
    void error(std::string_view) override {}
    void log(std::string_view) override {}
    void setProgressRange(int, int) override {}
    void setProgress(int position) override { position_ = position; }
    int progress() const override { return position_; }
    void setBusy(bool) override {}
    void processEvents() override {}
    bool confirm(std::string_view) override { return true; }
    SaveAnswer askSaveChanges(std::string_view) override { return SaveAnswer::Discard; }
    std::optional<std::string> chooseSaveFile(const FileDialogOptions&) override { return std::nullopt; }
    std::optional<std::string> chooseOpenFile(const FileDialogOptions&) override { return std::nullopt; }

private:
    int position_ = 0;
};

}  // namespace zeru::bench
