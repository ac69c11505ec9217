// SPDX-License-Identifier: GPL-3.0-or-later
// What a load says about a value it could not take as it stands: a number or
// choice key that is not a whole number gets its load default, a choice index
// outside its list leaves the choice with no entry selected. The load itself
// is not changed by this; it only tells.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cfgfile/file_keys.h"
#include "interaction/message.h"

namespace zeru::cfgfile {

// `value` in double quotes, a double quote or backslash in it escaped.
std::string quoted(std::string_view value);

// The line for one key's stored value, or nullopt when it loads as it stands:
//   Radio.TXdelay: "2.5e2" is not a whole number; 250 used.
//   Radio.PTT: "x" is not a whole number; 0 ("Low") used.
//   Radio.PTT: "7" is not in its list; no entry selected.
// -1, which a save writes for a choice with no entry selected, is no news.
// The file's text and the choice are quoted from Latin-1.
std::optional<Message> loadNote(const FileKey& key, const std::optional<std::string>& stored);

}  // namespace zeru::cfgfile
