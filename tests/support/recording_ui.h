// SPDX-License-Identifier: GPL-3.0-or-later
// A UserInterface for tests: records every effect in order and answers the
// file dialogs with what the test put there.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "interaction/user_interface.h"

namespace zeru::test {

class RecordingUi : public UserInterface {
public:
    struct Event {
        enum Kind { Information, Message, Error, Log, Busy, Idle, Question } kind;
        std::string text;
        bool operator==(const Event&) const = default;
    };

    void information(const Message& text) override {
        events.push_back({Event::Information, std::string(text)});
    }
    void message(const Message& text) override { events.push_back({Event::Message, std::string(text)}); }
    void error(const Message& text) override { events.push_back({Event::Error, std::string(text)}); }
    void log(const Message& line) override { events.push_back({Event::Log, std::string(line)}); }
    void setProgressRange(int minimum, int maximum) override { progressMin = minimum, progressMax = maximum; }
    void setProgress(int position) override { progressValue = position; }
    int progress() const override { return progressValue; }
    void setBusy(bool busy) override {
        this->busy = busy;
        events.push_back({busy ? Event::Busy : Event::Idle, {}});
    }
    void processEvents() override { ++processEventsCalls; }
    bool confirm(const Message& question) override {
        events.push_back({Event::Question, std::string(question)});
        return confirmAnswer;
    }
    SaveAnswer askSaveChanges(const Message& question) override {
        events.push_back({Event::Question, std::string(question)});
        return saveChangesAnswer;
    }
    std::optional<std::string> chooseSaveFile(const FileDialogOptions& options) override;
    std::optional<std::string> chooseOpenFile(const FileDialogOptions& options) override;

    // Texts of the events of one kind, in order.
    std::vector<std::string> texts(Event::Kind kind) const;
    std::vector<std::string> logLines() const { return texts(Event::Log); }
    std::vector<std::string> boxes() const;  // information, message and error boxes, in order

    std::vector<Event> events;
    int progressMin = 0, progressMax = 100, progressValue = 0;
    bool busy = false;
    int processEventsCalls = 0;
    std::optional<std::string> saveAnswer, openAnswer;  // nullopt: the user cancels
    bool confirmAnswer = true;                          // Yes to every confirm()
    SaveAnswer saveChangesAnswer = SaveAnswer::Cancel;
    std::vector<FileDialogOptions> dialogs;  // what each dialog was asked to show
};

}  // namespace zeru::test
