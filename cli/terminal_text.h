// SPDX-License-Identifier: GPL-3.0-or-later
// Text that came from a file, an image or the device, made safe to print: a
// terminal shows it and takes no command from it.
#pragma once

#include <string>
#include <string_view>

namespace zeru::cli {

// `text` with every control character written as an escape: "\t", "\n", "\r",
// other C0 controls and DEL as "\xHH". Bytes of valid UTF-8 stay as they are,
// except the C1 controls (U+0080 to U+009F); any other byte from 0x80 up (a
// Latin-1 character, a broken sequence) is written as "\xHH" too, since a
// terminal may take it for a C1 control. Bidirectional controls (U+202E ...)
// and zero-width characters (U+200B ...), which a terminal shows as nothing
// or lets reorder the line, are written "\u202E". A backslash is left alone.
std::string terminalText(std::string_view text);

}  // namespace zeru::cli
