// SPDX-License-Identifier: GPL-3.0-or-later
#include "interaction/command.h"

#include <exception>

namespace zeru {

std::string errorBoxText(std::string_view message) {
    std::string text(message);
    if (!text.empty() && text.back() != '.') text += '.';
    return text;
}

bool runCommand(UserInterface& ui, const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const std::exception& e) {
        ui.error(Message::fromUtf8(errorBoxText(e.what())));  // the program's texts are UTF-8
    } catch (...) {
        ui.error("");  // a failure that is not an exception object has no message
    }
    return false;
}

}  // namespace zeru
