// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line tool's face: every box becomes lines on standard error, log
// lines appear with --verbose (failure lines always), and a transfer draws one
// progress bar when standard error is a terminal.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "interaction/user_interface.h"

namespace zeru::cli {

// Log lines that tell a failure ("Page write error: 17/224", "Kestrovane Zeru
// not found.", "Cannot open the device: ..."): shown even without --verbose,
// since they are what a user must see when a command fails.
bool isFailureLine(std::string_view line);

// Log lines that tell what to check after a failure line: shown with it, but
// never taken for the failure itself.
bool isAdviceLine(std::string_view line);

class TerminalUi : public UserInterface {
public:
    TerminalUi(std::FILE* out, bool verbose, bool progressBar);

    void information(const Message& text) override { show(text); }
    void message(const Message& text) override { show(text); }
    void error(const Message& text) override { show(text); }
    void log(const Message& line) override;
    void note(const Message& line) override { show(line); }
    void setProgressRange(int minimum, int maximum) override;
    void setProgress(int position) override;
    int progress() const override { return position_; }
    void setBusy(bool) override {}
    void processEvents() override {}
    // zeru-cli runs in scripts and asks nothing: a question is printed and
    // taken as answered Yes; there is no window to close.
    bool confirm(const Message& question) override {
        show(question);
        return true;
    }
    SaveAnswer askSaveChanges(const Message&) override { return SaveAnswer::Discard; }
    std::optional<std::string> chooseSaveFile(const FileDialogOptions&) override { return std::nullopt; }
    std::optional<std::string> chooseOpenFile(const FileDialogOptions&) override { return std::nullopt; }

    // The last line written to standard error ("" when none).
    const std::string& lastLine() const { return lastLine_; }

    // A failed command ends with its failure line, even when the flow told
    // more after it (a read whose unused pages failed still shows the
    // device's versions).
    void endWithFailureLine();

    // Also keeps every log line and every line of a box in `lines` (shown or
    // not), for the trace of the command; nullptr stops it.
    void keepLinesIn(std::vector<std::string>* lines) { kept_ = lines; }

private:
    void show(std::string_view text) {
        keep(text);
        printLines(text);
    }
    void keep(std::string_view text);
    void printLines(std::string_view text);
    void endBar();

    std::FILE* out_;
    bool verbose_;
    bool progressBar_;
    bool barShown_ = false;
    int minimum_ = 0, maximum_ = 100, position_ = 0;
    std::string lastLine_;
    std::string lastFailureLine_;
    std::vector<std::string>* kept_ = nullptr;
};

}  // namespace zeru::cli
