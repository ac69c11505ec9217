// SPDX-License-Identifier: GPL-3.0-or-later
// The core's two kinds of text turned into a widget's: a setting's (Latin-1)
// and a message's (UTF-8). See CONTRIBUTING.md, "Texts and their encodings".
#pragma once

#include <QString>
#include <string_view>

namespace zeru::app {

// Text from the core (8-bit Latin-1) for a widget.
inline QString latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// A message or log line from the core (a Message, a problem's text): UTF-8,
// the paths it names and the values it quotes alike (interaction/message.h).
inline QString messageText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace zeru::app
