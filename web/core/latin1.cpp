// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/core/latin1.h"

#include "interaction/message.h"

namespace zeru::web {

std::string utf8FromLatin1(std::string_view latin1) { return latin1ToUtf8(latin1); }

std::string latin1FromUtf8(std::string_view utf8) { return utf8ToLatin1(utf8); }

}  // namespace zeru::web
