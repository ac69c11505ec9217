// SPDX-License-Identifier: GPL-3.0-or-later
// A profile file (INI file) held in memory as its lines, with the rules that
// files written by other profile-file writers rely on:
//   - "[Section]" lines open sections; entries are "key=value" lines;
//   - section and key names match without regard to (ASCII) letter case when
//     read, and are written exactly as the caller spells them;
//   - values are taken as they stand after the first "=", with no quoting,
//     escaping or trimming, and read back up to 2047 characters;
//   - CR LF and LF line endings are both accepted; every line this class
//     writes ends in CR LF, every other line keeps its bytes and its ending;
//   - bytes are 8-bit characters (Latin-1), never converted.
// Where the same section or key appears twice, the first one counts, for
// reading and writing alike.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeru::cfgfile {

class ProfileFile {
public:
    static constexpr std::size_t kMaxValueLength = 2047;

    ProfileFile() = default;
    explicit ProfileFile(std::string_view bytes);

    // The stored value (at most kMaxValueLength characters), or nullopt when
    // the section or the key is absent.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string read(std::string_view section, std::string_view key, std::string_view fallback) const;

    // Replaces an existing key's line in place; otherwise adds the key as the
    // last entry of its section: after the section's last non-blank line, so
    // blank lines that end a section stay between it and the next one; a
    // missing section is added at the end of the file. Throws
    // std::invalid_argument for names or values that cannot stand on one line
    // (line breaks, "=" in a key, "]" in a section name).
    void write(std::string_view section, std::string_view key, std::string_view value);

    // The whole file as bytes.
    std::string bytes() const;

private:
    struct Line {
        Line(std::string text, std::string_view ending);
        bool isSection() const { return kind == Kind::Section; }
        bool isEntry() const { return kind == Kind::Entry; }
        std::string_view name() const { return std::string_view(text).substr(nameStart, nameLength); }

        std::string text;         // without its line ending
        std::string_view ending;  // "\r\n", "\n" or "" (last line without one)
        // Worked out once per line, so that lookups only compare names.
        enum class Kind { Other, Section, Entry } kind = Kind::Other;
        std::size_t nameStart = 0, nameLength = 0;  // the section's or the key's name in `text`
    };
    std::optional<std::size_t> findSection(std::string_view section) const;
    std::size_t sectionEnd(std::size_t header) const;  // index of the line after the section's body

    std::vector<Line> lines_;
};

}  // namespace zeru::cfgfile
