// SPDX-License-Identifier: GPL-3.0-or-later
// The core's texts are Latin-1; JavaScript hands strings over as UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace zeru::web {

std::string utf8FromLatin1(std::string_view latin1);
// A character beyond Latin-1 becomes '?', as the window's fields make it.
std::string latin1FromUtf8(std::string_view utf8);

}  // namespace zeru::web
