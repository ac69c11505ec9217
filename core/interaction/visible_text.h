// SPDX-License-Identifier: GPL-3.0-or-later
// Text from outside the program (a file's name, a value from a file, a
// device's path and strings, a serial number, a trace's fields and log lines)
// made safe to show: a terminal or a log pane shows it and takes no command
// from it, and it cannot pose as a line of the program's own.
#pragma once

#include <string>
#include <string_view>

namespace zeru {

// Whether a backslash is escaped too. Outside text is shown with it escaped,
// so that a typed "\x1B" reads otherwise than a real ESC; a whole line that
// quotes outside text already escaped (a comparison's line, a load's note)
// keeps its backslashes, since there they are escapes already.
enum class Backslash { Escaped, Kept };

// `text` with every control character written as an escape: "\t", "\n", "\r",
// other C0 controls and DEL as "\xHH". Bytes of valid UTF-8 stay as they are,
// except the C1 controls (U+0080 to U+009F); any other byte from 0x80 up (a
// Latin-1 character, a broken sequence) is written as "\xHH" too, since a
// terminal may take it for a C1 control. Bidirectional controls (U+202E ...)
// and zero-width characters (U+200B ...), which a terminal shows as nothing
// or lets reorder the line, are written "\u202E". A backslash becomes "\\"
// unless `backslash` is Kept.
std::string visibleText(std::string_view text, Backslash backslash = Backslash::Escaped);

// A whole line for a terminal or a log pane, its backslashes kept: what the
// front ends apply to every line they show, after the outside text in it was
// escaped where it was quoted.
inline std::string visibleLine(std::string_view line) { return visibleText(line, Backslash::Kept); }

}  // namespace zeru
