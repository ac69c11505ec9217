// SPDX-License-Identifier: GPL-3.0-or-later
// A profile file (INI file) held in memory as its bytes, with the rules that
// files written by other profile-file writers rely on:
//   - "[Section]" lines open sections; entries are "key=value" lines;
//   - section and key names match without regard to (ASCII) letter case when
//     read, and are written exactly as the caller spells them;
//   - values are taken as they stand after the first "=", with no quoting,
//     escaping or trimming, and read back up to 2047 characters;
//   - CR LF, LF and a lone CR all end a line, and a UTF-8 byte-order mark
//     before the first line is passed over; every line this class writes
//     ends in CR LF, every other line keeps its bytes and its ending;
//   - bytes are 8-bit characters (Latin-1), never converted.
// Where the same section or key appears twice, the first one counts, for
// reading and writing alike; a write leaves the section it writes to once in
// the file, with each key it writes once in it (the later copies, which other
// readers may take instead, are left out).
//
// Lookups of many keys (values) and the writes (applied by bytes) each take
// one pass over the file, and memory in proportion to the file and the keys
// asked for, never to the number of lines: a hostile file of a million short
// lines costs no more than a real one of the same size.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace zeru::cfgfile {

class ProfileFile {
public:
    static constexpr std::size_t kMaxValueLength = 2047;

    struct KeyName {
        std::string_view section;
        std::string_view key;
    };

    ProfileFile() = default;
    explicit ProfileFile(std::string_view bytes);

    // The stored value (at most kMaxValueLength characters), or nullopt when
    // the section or the key is absent. Written keys are seen at once.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string read(std::string_view section, std::string_view key, std::string_view fallback) const;
    // value() of each key, in one pass over the file.
    std::vector<std::optional<std::string>> values(const std::vector<KeyName>& keys) const;

    // Replaces an existing key's line in place; otherwise adds the key as the
    // last entry of its section: after the section's last non-blank line, so
    // blank lines that end a section stay between it and the next one; a
    // missing section is added at the end of the file. Throws
    // std::invalid_argument for names or values that cannot stand on one line
    // (line breaks, "=" in a key, "]" in a section name).
    void write(std::string_view section, std::string_view key, std::string_view value);

    // The whole file as bytes, every write applied.
    std::string bytes() const;

private:
    // The writes of one section, in the order of their first write.
    struct SectionWrites {
        std::string name;                                 // as first written
        std::vector<std::pair<std::string, std::string>>  // key as last written, value
            keys;
        std::unordered_map<std::string, std::size_t> byKey;  // lower-case key → index in `keys`
    };

    std::string bytes_;
    std::vector<SectionWrites> writes_;
    std::unordered_map<std::string, std::size_t> writtenSections_;  // lower-case name → index in writes_
};

}  // namespace zeru::cfgfile
