// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/recording_ui.h"

namespace zeru::test {

std::optional<std::string> RecordingUi::chooseSaveFile(const FileDialogOptions& options) {
    dialogs.push_back(options);
    return saveAnswer;
}

std::optional<std::string> RecordingUi::chooseOpenFile(const FileDialogOptions& options) {
    dialogs.push_back(options);
    return openAnswer;
}

std::vector<std::string> RecordingUi::texts(Event::Kind kind) const {
    std::vector<std::string> out;
    for (const Event& e : events)
        if (e.kind == kind) out.push_back(e.text);
    return out;
}

std::vector<std::string> RecordingUi::boxes() const {
    std::vector<std::string> out;
    for (const Event& e : events)
        if (e.kind == Event::Information || e.kind == Event::Message || e.kind == Event::Error)
            out.push_back(e.text);
    return out;
}

}  // namespace zeru::test
