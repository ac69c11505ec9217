// SPDX-License-Identifier: GPL-3.0-or-later
// Two configurations compared setting by setting, in the configuration file's
// key order: what a write changes on the device, what `zeru-cli diff` prints
// and what the window marks as changed since its baseline.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cfgfile/file_keys.h"
#include "settings/settings.h"

namespace zeru::compare {

// One setting whose value differs; the values as a user reads them (texts as
// they stand, choices by their entry text).
struct Difference {
    const cfgfile::FileKey* key = nullptr;  // section, key and setting name
    std::string before;                     // the first configuration's value
    std::string after;                      // the second configuration's value
};

// Whether two values of one setting are the same: texts exactly, number
// settings by value when both convert ("0250" equals "250") and as text
// otherwise, choices by index.
bool sameValue(const cfgfile::FileKey& key, const Settings& a, const Settings& b);

// The value of one setting as a user reads it: a choice by its entry text (""
// when nothing is selected), any other setting as its text.
std::string displayValue(const cfgfile::FileKey& key, const Settings& settings);

// Every setting whose value differs, in file key order. The file's header
// keys (identification, version) are not settings and are never compared.
std::vector<Difference> compareSettings(const Settings& a, const Settings& b);

// The file key of a setting ("Radio.Callsign").
std::string keyName(const cfgfile::FileKey& key);

// A value in double quotes, a double quote or backslash in it escaped.
std::string quoted(std::string_view value);

// `Section.Key: "before" -> "after"`, in the values' Latin-1.
std::string differenceLine(const Difference& difference);

}  // namespace zeru::compare
