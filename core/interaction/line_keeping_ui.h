// SPDX-License-Identifier: GPL-3.0-or-later
// A user interface that passes everything on to another one and keeps the
// lines the user was shown since restart(): the log lines and the lines of
// every box. The window keeps the last device command's lines this way, for
// its problem report.
#pragma once

#include <string>
#include <vector>

#include "interaction/user_interface.h"

namespace zeru {

class LineKeepingUi final : public UserInterface {
public:
    explicit LineKeepingUi(UserInterface& inner) : inner_(inner) {}

    void restart() { lines_.clear(); }
    const std::vector<std::string>& lines() const { return lines_; }

    void information(const Message& text) override {
        keep(text);
        inner_.information(text);
    }
    void message(const Message& text) override {
        keep(text);
        inner_.message(text);
    }
    void error(const Message& text) override {
        keep(text);
        inner_.error(text);
    }
    void log(const Message& line) override {
        keep(line);
        inner_.log(line);
    }
    void note(const Message& line) override {
        keep(line);
        inner_.note(line);
    }
    void setProgressRange(int minimum, int maximum) override { inner_.setProgressRange(minimum, maximum); }
    void setProgress(int position) override { inner_.setProgress(position); }
    int progress() const override { return inner_.progress(); }
    void setBusy(bool busy) override { inner_.setBusy(busy); }
    void processEvents() override { inner_.processEvents(); }
    bool confirm(const Message& question) override {
        keep(question);
        return inner_.confirm(question);
    }
    SaveAnswer askSaveChanges(const Message& question) override { return inner_.askSaveChanges(question); }
    std::optional<std::string> chooseSaveFile(const FileDialogOptions& options) override {
        return inner_.chooseSaveFile(options);
    }
    std::optional<std::string> chooseOpenFile(const FileDialogOptions& options) override {
        return inner_.chooseOpenFile(options);
    }

private:
    // A box's lines may be separated by "\r\n", "\n" or a lone "\r".
    void keep(std::string_view text) {
        std::size_t start = 0;
        while (start <= text.size()) {
            std::size_t end = text.find_first_of("\r\n", start);
            if (end == std::string_view::npos) end = text.size();
            lines_.emplace_back(text.substr(start, end - start));
            if (end == text.size()) break;
            start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
        }
    }

    UserInterface& inner_;
    std::vector<std::string> lines_;
};

}  // namespace zeru
